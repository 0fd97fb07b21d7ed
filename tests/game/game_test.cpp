#include "game/game.h"

#include <gtest/gtest.h>

#include "art/pictures.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

// The six dice of the stats, rolled at start-up before anything is printed.
const std::vector<int> kStatDice = {3, 4, 0, 1, 5, 5};

TEST(TitleScreen, ComesFirstWithItsTwoBlankedFirstLineAndTheCastle) {
  Harness h("", kStatDice);
  EXPECT_EQ(h.playWholeGame(), 0);
  const std::vector<std::string> lines = h.lines();
  ASSERT_GE(lines.size(), 18u);
  EXPECT_EQ(lines[0], "Quillmarrow, a  text adventure game");
  EXPECT_EQ(lines[1], "From Vontessa");
  for (std::size_t row = 0; row < art::kCastle.size(); ++row) {
    EXPECT_EQ(lines[2 + row], art::kCastle[row]) << "castle row " << row;
  }
  EXPECT_EQ(lines[16], "Let's create a character!");
  EXPECT_EQ(lines[17], "");
  EXPECT_TRUE(
      h.output().ends_with("Let's create a character!\n\n\nPress Enter to continue . . . \n"));
}

TEST(StartUp, SeedsSetsTheTitleAndRollsTheStatsBeforeTheTitleScreen) {
  Harness h("", kStatDice);
  h.playWholeGame();
  EXPECT_EQ(h.random.seeds(), 1);
  EXPECT_EQ(h.platform.titles, std::vector<std::string>{"Quillmarrow"});
  EXPECT_EQ(h.random.used(), 6u);
}

TEST(StartUp, EndOfInputAtTheFirstPauseEndsQuietlyWithStatusZero) {
  Harness h("", kStatDice);
  EXPECT_EQ(h.playWholeGame(), 0);
  EXPECT_TRUE(h.output().ends_with("\n"));
}

}  // namespace
}  // namespace qm::testing
