#include "town/soggy_shrimp.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/harness.h"

namespace qm::testing {
namespace {

constexpr std::string_view kPlainMenu =
    "Get a drink (D) Get a room for the night (R) Rob this joint (S) Leave (L)";
constexpr std::string_view kStrangerMenu =
    "Get a drink (D) Get a room for the night (R) Rob this joint (S) Find the mysterious stranger (F) Leave (L)";
constexpr std::string_view kHideoutMenu =
    "Get a drink (D) Get a room for the night (R) Rob this joint (S) Go to hideout (H) Leave (L)";

// Input after the three pauses of the entry lines.
Harness atThePub(std::string_view input, std::vector<int> draws = {}) {
  return Harness("\n\n\n" + std::string(input), std::move(draws));
}

TEST(ShrimpMenu, OffersTheStrangerAndTheHideoutOnlyAtTheirStages) {
  const std::tuple<int, std::string_view, std::string_view> cases[] = {
      {0, kPlainMenu, "F H"},   {1, kStrangerMenu, "H h"}, {3, kHideoutMenu, "F f"},
      {4, kHideoutMenu, "F f"}, {69, kPlainMenu, "F H"},
  };
  for (const auto& [stage, menuLine, refused] : cases) {
    Harness h = atThePub(std::string(refused) + " l\n");
    h.state.StrangerStage = stage;
    EXPECT_EQ(h.play(visitSoggyShrimp), Ending::Returned) << stage;
    EXPECT_TRUE(h.output().ends_with("What do you want to do?\n" + std::string(menuLine) + "\n"))
        << stage;
  }
}

TEST(ShrimpDrink, ThreeHoursPassAlsoWhenNothingIsDrunk) {
  Harness sailor = atThePub("D\n\nC\nI\nL\n");
  sailor.play(visitSoggyShrimp);
  EXPECT_TRUE(hasLinesInOrder(sailor.lines(), {"\"Alright.\"", "What do you want to do?"}));
  EXPECT_EQ(sailor.state.OldManStage, 0);

  Harness broke = atThePub("D\nS\nL\n");
  broke.state.OldManStage = 1;
  broke.state.PlayerGold = 1;
  broke.play(visitSoggyShrimp);
  EXPECT_TRUE(hasLinesInOrder(
      broke.lines(), {"Sure (S) I'm good (G) You have 1 gold", "You don't have enough gold"}));
  EXPECT_EQ(broke.state.PlayerGold, 1);
  EXPECT_EQ(sailor.state.ClockHour, 9);
  EXPECT_EQ(broke.state.ClockHour, 9);
}

TEST(ShrimpDrink, TheDartsAfterAnAleStartTheStrangerQuestOverFromAnyStage) {
  struct Case {
    int stage, strength, brawn;
    std::string_view race, stomach, throwLine;
  };
  for (const Case& c :
       {Case{3, 7, 3, "Human", "But you stomach it", " you almost hit the bullseye! Yes!"},
        Case{4, 6, 7, "Pear", "You throw up all over the bar!", " you hit the top of the board"}}) {
    Harness h = atThePub("D\nS\n\n\n\n\n\nC\n\n\n\n\n\nL\n");
    h.state.OldManStage = 1;
    h.state.PlayerGold = 2;
    h.state.StrangerStage = c.stage;
    h.state.PlayerStrength = c.strength;
    h.state.PlayerBrawn = c.brawn;
    h.state.PlayerRace = std::string(c.race);
    h.play(visitSoggyShrimp);
    EXPECT_EQ(h.state.PlayerGold, 0);
    EXPECT_EQ(h.state.StrangerStage, 1);
    EXPECT_TRUE(hasLinesInOrder(h.lines(), {c.stomach, "You go first, " + std::string(c.throwLine),
                                            std::string(kStrangerMenu)}))
        << c.stage;
  }
}

TEST(ShrimpRoom, NineGoldGetsNoOfferAndTenBuysANightThatHealsUpToFiftyUnlessABrawl) {
  Harness poor = atThePub("R\nS s\nN\nL\n");
  poor.state.PlayerGold = 9;
  poor.play(visitSoggyShrimp);
  EXPECT_TRUE(hasLinesInOrder(poor.lines(), {"\"That'll b 10 guld coins plz\"", "Nope (N)",
                                             "\"Aight\"", "What do you want to do?"}));
  EXPECT_EQ(poor.state.PlayerGold, 9);

  // Health before, the sleep roll, health after.
  for (const auto& [health, roll, after] : {std::tuple{45, 15, 50}, std::tuple{30, 1, 40},
                                            std::tuple{50, 15, 50}, std::tuple{30, 16, 30}}) {
    Harness h = atThePub("R\nS\n\n\nL\n", {roll});
    h.state.PlayerGold = 10;
    h.state.PlayerHealth = health;
    h.state.ClockHour = 22;
    h.play(visitSoggyShrimp);
    EXPECT_TRUE(hasLinesInOrder(h.lines(), {"Sure (S) Nope (N)", "\"Alright, root here...\""}));
    EXPECT_EQ(h.state.PlayerGold, 0);
    EXPECT_EQ(h.state.PlayerHealth, after) << health << " " << roll;
    EXPECT_EQ(occurrences(h.output(), "You regain some health!"), after > health ? 1 : 0);
    EXPECT_EQ(occurrences(h.output(), "there was a huge brawl"), roll > 15 ? 1 : 0);
    EXPECT_EQ(h.state.ClockHour, 5);
  }
}

TEST(ShrimpRobbery, TheWaterHurtsButOnlyTheHubKillsAndStealthGainsNothing) {
  Harness knight = atThePub("S\n\n");
  knight.state.PlayerClass = "Knight";
  knight.state.PlayerHealth = 4;
  EXPECT_EQ(knight.play(visitSoggyShrimp), Ending::Returned);
  EXPECT_EQ(occurrences(knight.output(), "Do you want to use pickpocket or rob the bar?"), 0);
  EXPECT_TRUE(knight.output().ends_with("and into the water!\n"));
  EXPECT_EQ(knight.state.PlayerHealth, 0);

  Harness thief = atThePub("S\nL\n\n\n\nL\n", {10});
  thief.state.PlayerClass = "Thief";
  EXPECT_EQ(thief.play(visitSoggyShrimp), Ending::Returned);
  EXPECT_TRUE(
      hasLinesInOrder(thief.lines(), {"Do you want to use pickpocket or rob the bar?",
                                      "\"Is alrit, don do agun\"", "What do you want to do?"}));
  EXPECT_EQ(thief.state.PlayerGold, 40);
  thief.expectAllDrawsUsed();
}

TEST(ShrimpAlley, AfterTheBombTheStrangerRemarksOnTheHatchAndLeadsStraightBelow) {
  Harness h = atThePub("F\n\n\n\nD\n\n");
  h.state.StrangerStage = 1;
  h.state.HatchStage = 69;
  EXPECT_EQ(h.play(visitSoggyShrimp), Ending::InputEnded);
  EXPECT_EQ(h.state.StrangerStage, 3);
  EXPECT_TRUE(hasLinesInOrder(h.lines(),
                              {"\"Hah, you won't be so smug later!\"", "Do all inns have this?!?",
                               "You slip into the bandit hideaway..."}));
  EXPECT_EQ(occurrences(h.output(), "What do you want to do?"), 1);
}

}  // namespace
}  // namespace qm::testing
