#include "platform/posix/terminal.h"

#include <gtest/gtest.h>

namespace qm::testing {
namespace {

TEST(TerminalTitle, IsSetOnlyOnATerminalWhoseTermIsKnownAndNotDumb) {
  EXPECT_TRUE(terminalTakesTitles(true, "xterm-256color"));
  EXPECT_FALSE(terminalTakesTitles(true, "dumb"));
  EXPECT_FALSE(terminalTakesTitles(true, ""));
  EXPECT_FALSE(terminalTakesTitles(true, nullptr));
  EXPECT_FALSE(terminalTakesTitles(false, "xterm-256color"));
}

}  // namespace
}  // namespace qm::testing
