#include "core/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace qm::testing {
namespace {

// The draws of a generator after `starts` starts (the first start and its restarts).
std::vector<int> drawsAfterStarts(unsigned seed, int starts) {
  CLibraryRandom random(seed);
  for (int start = 0; start < starts; ++start)
    random.reseed();
  std::vector<int> draws;
  for (int draw = 0; draw < 20; ++draw)
    draws.push_back(random.draw(1000));
  return draws;
}

TEST(SeededRandom, TheSameSeedReplaysEveryStartAndEachRestartDrawsAnew) {
  EXPECT_EQ(drawsAfterStarts(7, 1), drawsAfterStarts(7, 1));
  EXPECT_EQ(drawsAfterStarts(7, 2), drawsAfterStarts(7, 2));
  EXPECT_NE(drawsAfterStarts(7, 2), drawsAfterStarts(7, 1));
  EXPECT_NE(drawsAfterStarts(8, 1), drawsAfterStarts(7, 1));
}

}  // namespace
}  // namespace qm::testing
