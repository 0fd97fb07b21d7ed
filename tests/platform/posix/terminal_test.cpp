#include "platform/posix/terminal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "app/system.h"
#include "support/scripted_io.h"

namespace qm::testing {
namespace {

TEST(TerminalTitle, IsSetOnlyOnATerminalWhoseTermIsKnownAndNotDumb) {
  EXPECT_TRUE(terminalTakesTitles(true, "xterm-256color"));
  EXPECT_FALSE(terminalTakesTitles(true, "dumb"));
  EXPECT_FALSE(terminalTakesTitles(true, ""));
  EXPECT_FALSE(terminalTakesTitles(true, nullptr));
  EXPECT_FALSE(terminalTakesTitles(false, "xterm-256color"));
}

// Standard output turned to a new pseudo-terminal for the life of the object, with TERM naming
// one that takes titles; `shown()` is what reached the terminal.
class OnAPseudoTerminal {
 public:
  OnAPseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_GE(master_, 0);
    EXPECT_EQ(::grantpt(master_), 0);
    EXPECT_EQ(::unlockpt(master_), 0);
    const int terminal = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    EXPECT_GE(terminal, 0);
    const char* term = std::getenv("TERM");
    if (term != nullptr) term_ = term;
    ::setenv("TERM", "xterm", 1);
    std::fflush(stdout);
    output_ = ::dup(STDOUT_FILENO);
    ::dup2(terminal, STDOUT_FILENO);
    ::close(terminal);
  }
  ~OnAPseudoTerminal() {
    ::dup2(output_, STDOUT_FILENO);
    ::close(output_);
    if (term_.empty())
      ::unsetenv("TERM");
    else
      ::setenv("TERM", term_.c_str(), 1);
    ::close(master_);
  }
  std::string shown() const {
    ::fcntl(master_, F_SETFL, O_NONBLOCK);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(master_, buffer, sizeof buffer)) > 0;)
      text.append(buffer, got);
    return text;
  }

 private:
  int master_ = -1;
  int output_ = -1;
  std::string term_;
};

// What a signal does now.
std::string_view handling(int signal) {
  struct sigaction current {};
  ::sigaction(signal, nullptr, &current);
  if (current.sa_handler == SIG_DFL) return "the default";
  if (current.sa_handler == SIG_IGN) return "ignored";
  return "a handler";
}

// The game's title goes on the terminal's title stack while it plays; Ctrl-C or a kill puts the
// old one back only while the game runs, and afterwards does what it always did. A signal ignored
// when the game starts (a game run in the background) stays ignored.
TEST(TerminalTitle, IsPushedAtTheStartAndPoppedAtTheEndWithTheSignalsHandledMeanwhile) {
  struct sigaction before {};
  ::sigaction(SIGINT, nullptr, &before);
  for (void (*const atStart)(int) : {SIG_DFL, SIG_IGN}) {
    std::signal(SIGINT, atStart);
    const std::string_view untouched = handling(SIGINT);
    const OnAPseudoTerminal terminal;
    ScriptedInput input("");
    CapturedOutput output;
    Console console(input, output);
    std::string_view whilePlaying;
    {
      const ConsolePlatform platform(console);
      whilePlaying = handling(SIGINT);
    }
    EXPECT_EQ(whilePlaying, atStart == SIG_DFL ? "a handler" : "ignored");
    EXPECT_EQ(handling(SIGINT), untouched);
    EXPECT_EQ(terminal.shown(), "\033[22;0t\033[23;0t");
  }
  ::sigaction(SIGINT, &before, nullptr);
}

}  // namespace
}  // namespace qm::testing
