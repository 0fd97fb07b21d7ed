#include "basement/scientist.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace qm::testing {
namespace {

constexpr std::string_view kOpening = "\n\n\n\n";
constexpr std::string_view kSuitFalls = "Then it falls over, crushing him!";
constexpr std::string_view kTimer = "Behind him, a timer sarts to tick down...";

// The three pauses of the flight, the pause before the wand, the answer and the last pause.
std::string bomb(std::string_view answer) {
  return "\n\n\n\n" + std::string(answer) + "\n\n";
}

TEST(Scientist, BashHurtsOnlyThePlayerAndSlashFinishesFromTenOn) {
  Harness h(std::string(kOpening) + "H\n2\n1\n1\n1\n1\n" + bomb("D"),
            {15, 10, 15, 10, 15, 10, 15, 10, 15});
  h.state.PrimaryAbility = "Slash";
  h.state.SecondaryAbility = "Bash";
  h.state.Weapon = "Sturdy Sword";
  EXPECT_EQ(h.play(scientistRoom), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You try to smash the robot with your shield! But he smacks you back with his claw-hand!",
       "You barely cut through his armor", "You barely cut through his armor",
       "You slice him again, and a couple gears fall to the floor",
       "You slice him again, and a couple gears fall to the floor", std::string(kSuitFalls)}));
  EXPECT_EQ(occurrences(h.output(), "You barely cut through his armor"), 2);
  EXPECT_EQ(h.state.PlayerHealth, 50 - 5 - 5 * 3);
  EXPECT_EQ(h.state.Weapon, "Sturdy Sword");
  EXPECT_EQ(h.state.PrimaryAbility, "Slash");
  EXPECT_EQ(h.state.HatchStage, kQuestFinished);
}

TEST(Scientist, ARollOfOneWrecksTheSuitButKillsAPlayerAtTenOnTheSpot) {
  for (const auto& [health, dies] : {std::pair{10, true}, std::pair{11, false}}) {
    Harness h(std::string(kOpening) + "H\n1\n" + bomb("D"), {3, 1});
    h.state.PrimaryAbility = "Slash";
    h.state.SecondaryAbility = "Bash";
    h.state.PlayerHealth = health;
    EXPECT_EQ(h.play(scientistRoom), dies ? Ending::Died : Ending::Returned) << health;
    EXPECT_TRUE(hasLinesInOrder(
        h.lines(),
        {"The scientist turns grabs you with his claw hand, and throws you against the wall!",
         "The flamethrower malfunctions, and the suit catches fire!"}));
    EXPECT_EQ(occurrences(h.output(), kSuitFalls), dies ? 0 : 1) << health;
    EXPECT_EQ(occurrences(h.output(), kTimer), dies ? 0 : 1) << health;
    EXPECT_EQ(h.state.HatchStage, dies ? 1 : kQuestFinished) << health;
  }
}

}  // namespace
}  // namespace qm::testing
