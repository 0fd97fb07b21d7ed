#include "town/sea_monster.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace qm::testing {
namespace {

// Three pauses as the monster rises, the fight's own pause, three hits; then the achievement's
// pause and the five of the sailor's return.
constexpr std::string_view kWinAndConfession = "\n\n\n\n1\n1\n1\n\n\n\n\n\n\n";
// Three hits, the monster's bite after the first two; its roll is drawn in the last round too.
const std::vector<int> kThreeHits = {10, 2, 10, 2, 10, 2};

void makeKnight(GameState& state) {
  state.Weapon = "Sharp Sword";
  state.PrimaryAbility = "Slash";
  state.SecondaryAbility = "Bash";
}

TEST(SailorsConfession, ThreatsDrownThePlayerButTheWinIsKept) {
  for (const std::string_view answers : {"K\n", "w\ni\n"}) {
    Harness h(std::string(kWinAndConfession) + std::string(answers) + "\n\n", kThreeHits);
    makeKnight(h.state);
    h.state.OldManStage = 1;
    h.state.PlayerName = "Bob Dragon-Face";
    EXPECT_EQ(h.play(raiseTheSeaMonster), Ending::Died) << answers;
    EXPECT_TRUE(hasLinesInOrder(
        h.lines(), {"Achievement get; The one that got away", "\"I was the monster all along!\"",
                    "\"Sorry, Bob Dragon-FaceI can't let you do that\""}))
        << answers;
    EXPECT_TRUE(h.output().ends_with("\nYou drown\n")) << answers;
    EXPECT_EQ(h.state.PlayerHealth, 0);
    EXPECT_EQ(h.state.AchievementGotAway, 1);
    EXPECT_EQ(h.state.OldManStage, 69);
    EXPECT_EQ(h.state.PlayerGold, 40);
  }
}

TEST(SailorsConfession, TheActivistPaysWhetherOrNotHisBowIsTakenUp) {
  struct Case {
    std::string_view primary, answer, weapon, ability;
  };
  for (const Case& c : {Case{"Magic Missile", "e", "Bowed Bow", "Shoot"},
                        Case{"Slash", "D", "Sharp Sword", "Slash"}}) {
    Harness h(std::string(kWinAndConfession) + "W\nA\n\n" + std::string(c.answer) + "\n\n",
              kThreeHits);
    makeKnight(h.state);
    h.state.PrimaryAbility = std::string(c.primary);
    EXPECT_EQ(h.play(raiseTheSeaMonster), Ending::Returned) << c.answer;
    EXPECT_TRUE(h.output().ends_with(
        "You got 30 gold, you now have 70 gold.  He also gives you a bow\nEquip it (E) Don't (D)\n" +
        std::string(kPauseText) + "\"I'll see ya' aroun'\"\n"))
        << c.answer;
    EXPECT_EQ(h.state.Weapon, c.weapon);
    EXPECT_EQ(h.state.PrimaryAbility, c.ability);
    EXPECT_EQ(h.state.PlayerHealth, 40);
  }
}

TEST(SeaMonster, ALostFightLeavesTheQuestOpen) {
  Harness h("\n\n\n\n1\n", {0, 2});
  makeKnight(h.state);
  h.state.OldManStage = 1;
  h.state.PlayerHealth = 5;
  EXPECT_EQ(h.play(raiseTheSeaMonster), Ending::Died);
  EXPECT_TRUE(h.output().ends_with("His huge head takes a bite out of the boat!\n"));
  EXPECT_EQ(h.state.OldManStage, 1);
  EXPECT_EQ(h.state.AchievementGotAway, 0);
}

}  // namespace
}  // namespace qm::testing
