#include "town/soggy_shrimp.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/harness.h"
#include "support/tables.h"

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

// The pub's decisions, every comparison in soggy_shrimp.cpp of a quest stage, the gold, a stat,
// the race, the sleep roll, the health or a menu letter with a constant, read from the code. The
// choice of the stealthy robbery is inn_robbery.cpp's; the robbery test below plays it.
TEST(Shrimp, DecisionsAtTheirEdges) {
  constexpr std::string_view kSailor =
      "You walk up to the bar, and a sullen, older looking sailor approaches you...";
  constexpr std::string_view kNoProblem = "\"No problem.\"";
  constexpr std::string_view kAlright = "\"Alright.\"";
  constexpr std::string_view kWalksAway = "The old man walks away...";
  constexpr std::string_view kStrongAle = "It's pretty strong ale...";
  constexpr std::string_view kNoAleGold = "You don't have enough gold";
  constexpr std::string_view kStomach = "But you stomach it";
  constexpr std::string_view kBullseye = "You go first,  you almost hit the bullseye! Yes!";
  constexpr std::string_view kRoomOffer = "Sure (S) Nope (N)";
  constexpr std::string_view kAight = "\"Aight\"";
  constexpr std::string_view kGoodNight = "You have a good night's sleep!";
  constexpr std::string_view kRegain = "You regain some health!";
  constexpr std::string_view kSmug = "\"Hah, you won't be so smug later!\"";
  constexpr std::string_view kOtherHatch = "Do all inns have this?!?";
  const auto stage = [](int s) { return set(&GameState::StrangerStage, s); };
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  const auto hatch = [&](int h) { return all({stage(1), set(&GameState::HatchStage, h)}); };
  const Prepare drinking = set(&GameState::OldManStage, 1);
  const auto ale = [&](int purse, int brawn, std::string race) -> Prepare {
    return all({drinking, gold(purse), set(&GameState::PlayerBrawn, brawn),
                [race](GameState& s) { s.PlayerRace = race; }});
  };
  const auto strength = [&](int value) {
    return all({ale(2, 8, "Pear"), set(&GameState::PlayerStrength, value)});
  };
  const std::string in = "\n\n\n";
  const std::string theCatch = in + "D\n\nC\n";
  const std::string theTale = in + "D\n\nM\n" + std::string(6, '\n');
  const std::string theDarts = in + "D\nS\n" + std::string(5, '\n');
  const std::string aNight = in + "R\nS\n\n\n";
  const std::string theAlley = in + "F\n\n\n\n";
  checkEdges(
      visitSoggyShrimp, {},
      {
          {"stranger stage 1: find him", stage(1), in, {}, kStrangerMenu, true},
          {"stranger stage 2: no stranger", stage(2), in, {}, kStrangerMenu, false},
          {"stranger stage 2: no hideout", stage(2), in, {}, kHideoutMenu, false},
          {"stranger stage 3: the hideout", stage(3), in, {}, kHideoutMenu, true},
          {"stranger stage 4: the hideout", stage(4), in, {}, kHideoutMenu, true},
          {"stranger stage 5: no hideout", stage(5), in, {}, kHideoutMenu, false},
          {"old man stage 0: the sailor", {}, in + "D\n", {}, kSailor, true},
          {"old man stage 1: the ale", drinking, in + "D\n", {}, kSailor, false},
          {"M: thanks mister", {}, in + "D\n\nM\n", {}, kNoProblem, true},
          {"C: the catch", {}, theCatch, {}, kNoProblem, false},
          {"I to the catch: no time", {}, theCatch + "I\n", {}, kAlright, true},
          {"S to the catch: the tale", {}, theCatch + "S\n", {}, kAlright, false},
          {"N to the tale: he walks away", {}, theTale + "N\n", {}, kWalksAway, true},
          {"S to the tale: he is helped", {}, theTale + "S\n", {}, kWalksAway, false},
          {"S to the ale: drunk", ale(2, 8, "Pear"), in + "D\nS\n", {}, kStrongAle, true},
          {"G to the ale: not drunk", ale(2, 8, "Pear"), in + "D\nG\n", {}, kStrongAle, false},
          {"gold 1: no ale", ale(1, 8, "Pear"), in + "D\nS\n", {}, kNoAleGold, true},
          {"gold 2: an ale", ale(2, 8, "Pear"), in + "D\nS\n", {}, kNoAleGold, false},
          {"brawn 8: stomachs it", ale(2, 8, "Pear"), in + "D\nS\n\n", {}, kStomach, true},
          {"brawn 7: throws up", ale(2, 7, "Pear"), in + "D\nS\n\n", {}, kStomach, false},
          {"brawn 7, human: stomachs it", ale(2, 7, "Human"), in + "D\nS\n\n", {}, kStomach, true},
          {"strength 7: near the bullseye", strength(7), theDarts + "C\n", {}, kBullseye, true},
          {"strength 6: the top of the board", strength(6), theDarts + "C\n", {}, kBullseye, false},
          {"D to the darts: no throw", strength(7), theDarts + "D\n", {}, kBullseye, false},
          {"gold 10: a room is offered", gold(10), in + "R\n", {}, kRoomOffer, true},
          {"gold 9: no room offered", gold(9), in + "R\n", {}, kRoomOffer, false},
          {"N to the room: aight", {}, in + "R\nN\n", {}, kAight, true},
          {"S to the room: a night", {}, aNight, {15}, kAight, false},
          {"sleep roll 15: a good night", {}, aNight, {15}, kGoodNight, true},
          {"sleep roll 16: the brawl", {}, aNight, {16}, kGoodNight, false},
          {"health 49: some health back", health(49), aNight, {1}, kRegain, true},
          {"health 50: nothing to regain", {}, aNight, {1}, kRegain, false},
          {"D in the alley: smug", stage(1), theAlley + "D\n", {}, kSmug, true},
          {"H in the alley: huh", stage(1), theAlley + "H\n", {}, kSmug, false},
          {"hatch stage 69: seen one before", hatch(69), theAlley + "H\n\n", {}, kOtherHatch, true},
          {"hatch stage 1: the first one", hatch(1), theAlley + "H\n\n", {}, kOtherHatch, false},
      });
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
