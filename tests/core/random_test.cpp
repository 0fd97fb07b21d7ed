#include "core/random.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

#ifdef __GLIBC__
// The game's own generator draws what the C library's rand() draws, for seeds from all over the
// range: 0 (which both take as 1), the ends of the signed and unsigned ranges, and many between.
TEST(GlibcRandom, DrawsWhatTheCLibraryDraws) {
  std::vector<unsigned> seeds = {0u, 1u, 7u, 2147483647u, 2147483648u, 2147483649u, 4294967295u};
  for (unsigned seed = 12345; seeds.size() < 200; seed = seed * 2654435761u + 97u) {
    seeds.push_back(seed);
  }
  for (const unsigned seed : seeds) {
    GlibcRandom ours(seed);
    std::srand(seed);
    for (int draw = 0; draw < 2000; ++draw) {
      ASSERT_EQ(ours.next(), std::rand()) << "seed " << seed << ", draw " << draw;
    }
  }
}
#endif

}  // namespace
}  // namespace qm::testing
