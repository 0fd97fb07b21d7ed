#include "game/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace qm::testing {
namespace {

std::vector<int> drawsAfterStarts(CLibraryRandom& random, int starts) {
  for (int start = 0; start < starts; ++start)
    random.reseed();
  std::vector<int> draws;
  for (int draw = 0; draw < 20; ++draw)
    draws.push_back(random.draw(1000));
  return draws;
}

TEST(SeededRandom, TheSameSeedReplaysEveryStartAndEachRestartDrawsAnew) {
  CLibraryRandom first(7);
  CLibraryRandom again(7);
  CLibraryRandom restarted(7);
  CLibraryRandom restartedAgain(7);
  CLibraryRandom otherSeed(8);
  const std::vector<int> firstStart = drawsAfterStarts(first, 1);
  EXPECT_EQ(drawsAfterStarts(again, 1), firstStart);
  const std::vector<int> secondStart = drawsAfterStarts(restarted, 2);
  EXPECT_NE(secondStart, firstStart);
  EXPECT_EQ(drawsAfterStarts(restartedAgain, 2), secondStart);
  EXPECT_NE(drawsAfterStarts(otherSeed, 1), firstStart);
}

}  // namespace
}  // namespace qm::testing
