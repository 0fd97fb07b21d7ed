#include <gtest/gtest.h>

#include <algorithm>

#include "creation/steps.h"
#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

using Lines = std::vector<std::string>;

void setStats(GameState& state, int strength, int intellect, int brawn) {
  state.PlayerStrength = strength;
  state.PlayerIntellect = intellect;
  state.PlayerBrawn = brawn;
}

// The lines after the dice prompt, for the given stats and answers to the joke.
Lines afterTheDice(int strength, int intellect, int brawn, const std::string& joke) {
  Harness h("\nRoll\n" + joke + "\n\n");
  setStats(h.state, strength, intellect, brawn);
  h.play(creation::describeStats);
  const Lines lines = h.lines();
  const auto roll = std::find(lines.begin(), lines.end(), "Roll for stats!");
  if (lines.end() - roll < 9) return {"(no stat line)"};
  return {roll + 8, lines.end()};  // past the six rows of dice and the empty line
}

TEST(StatWords, BandsChangeBetweenFourAndFiveAndBetweenSevenAndEight) {
  EXPECT_EQ(afterTheDice(4, 5, 7, "I")[0],
            "You're pretty weak, you're kinda smart, and pretty brawny");
  EXPECT_EQ(afterTheDice(8, 4, 8, "I")[0],
            "You're very strong, as a dumb as a doorknob, and really buff");
  EXPECT_EQ(afterTheDice(5, 8, 4, "I")[0],
            "You're pretty strong, but you're really smart, and really scrawny.");
  EXPECT_EQ(afterTheDice(7, 7, 5, "I")[0],
            "You're pretty strong, you're kinda smart, and pretty brawny");
}

// Only a third "huh" earns the achievement; "What do they do" repeats as often as asked, without
// the menu, and a class chosen brings its abilities and weapon.
TEST(StatsAndClass, TheJokeAndTheClassMenuAsThePlayerSeesThem) {
  const Prepare sixes = [](GameState& s) { setStats(s, 6, 6, 6); };
  checkTranscripts({
      {"stats-the-joke-got-after-two-huhs", creation::describeStats, sixes},
      {"stats-the-joke-never-got", creation::describeStats, sixes},
      {"class-what-they-do-twice-then-a-knight", creation::chooseClass, sixes},
  });
}

// The recommendation lines printed under the class menu for the given stats.
Lines recommendations(int strength, int intellect, int brawn) {
  Harness h("\nT\n");
  setStats(h.state, strength, intellect, brawn);
  h.play(creation::chooseClass);
  const Lines lines = h.lines();
  return {std::find(lines.begin(), lines.end(), "Now pick your class") + 2, lines.end()};
}

TEST(ClassRecommendation, EveryLineWhoseTestHoldsIsPrinted) {
  const std::string thief = "I think you should pick Thief";
  const std::string wizard = "You'd make a nice Wizard";
  const std::string knight = "I think you'd make a pretty good Knight";
  const std::string hunter = "I guess you're pretty well rounded, you could be a Hunter";
  EXPECT_EQ(recommendations(9, 5, 4), Lines{thief});
  EXPECT_EQ(recommendations(5, 9, 4), Lines{wizard});
  EXPECT_EQ(recommendations(5, 4, 9), Lines{knight});
  EXPECT_EQ(recommendations(9, 5, 5), (Lines{thief, hunter}));
  EXPECT_EQ(recommendations(4, 9, 4), (Lines{wizard, hunter}));
  EXPECT_EQ(recommendations(6, 6, 9), Lines{knight});
  EXPECT_EQ(recommendations(6, 6, 4), Lines{hunter});
  EXPECT_EQ(recommendations(7, 7, 7), Lines{hunter});
  // A tie for the best stat recommends neither class of the two, only the Hunter.
  EXPECT_EQ(recommendations(9, 5, 9), Lines{hunter});
  EXPECT_EQ(recommendations(5, 9, 9), Lines{hunter});
  EXPECT_EQ(recommendations(4, 9, 9), Lines{hunter});
}

}  // namespace
}  // namespace qm::testing
