#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kFireMenu =
    "Rush back into the fire and try to put it out (R) Go get help, and a doctor for the blacksmith (G)";

// The shop's pause and the three of the rescue from the smoke.
const std::string kIntoTheSmoke = pauses(4);
// Back into the smoke with a secondary action that beats the fire.
const std::string kPutOut = "R\n2\n" + pauses(1);
const std::string kSailor = "G\n" + pauses(3);
// The two pauses before the coughing, then waiting or CPR.
const std::string kWait = pauses(2) + "W\n";
const std::string kCpr = pauses(2) + "C\n" + pauses(2);

// The blacksmith's decisions, every comparison in blacksmith.cpp of the fire, the mood, the hour
// or a menu letter with a constant, read from the code. Which fire actions put it out is the
// fight table's business: the two tests after this one play each of them.
TEST(Blacksmith, DecisionsAtTheirEdges) {
  constexpr std::string_view kOnFire =
      "You enter it, and your nostrils are quickly filled with smoke! The blacksmith's shop is on fire!";
  constexpr std::string_view kStab =
      "You take out your dagger, and slash blindly into the smoke! You don't hear anything, maybe that wasn't the best idea...!";
  constexpr std::string_view kCoughing = "Outside, the blacksmith starts coughing violently!";
  constexpr std::string_view kCpr = "The blacksmith comes to!";
  constexpr std::string_view kClosed = "The blacksmith's isn't open yet, come back later";
  constexpr std::string_view kUnhappy = "The blacksmith doesn't look too happy...";
  constexpr std::string_view kSweeping =
      "You spend the next couple hours sweeping debris off the cobble floor";
  const Prepare stabber = [](GameState& s) {
    s.PrimaryAbility = "Stab";
    s.SecondaryAbility = "Pickpocket";
  };
  const auto repaired = [](int hour, int mood) {
    return all({set(&GameState::BlacksmithFire, 0), set(&GameState::ClockHour, hour),
                set(&GameState::BlacksmithMood, mood)});
  };
  const std::string stabbed = kIntoTheSmoke + "R\n1\n";
  const std::string revived = kIntoTheSmoke + kSailor + pauses(2);
  checkEdges(
      visitBlacksmith, stabber,
      {
          {"fire 1: the fire scene", {}, pauses(1), {}, kOnFire, true},
          {"fire 0: the repaired shop", repaired(10, 10), pauses(1), {}, kOnFire, false},
          {"R: back into the smoke", {}, stabbed, {}, kStab, true},
          {"G: running for help", {}, kIntoTheSmoke + "G\n", {}, kStab, false},
          {"fire 0 after the sailor: revival", {}, revived, {}, kCoughing, true},
          {"fire 1 after a stab: still burning", {}, stabbed + pauses(2), {}, kCoughing, false},
          {"C: CPR", {}, revived + "C\n", {}, kCpr, true},
          {"W: waiting", {}, revived + "W\n", {}, kCpr, false},
          {"hour 4: closed", repaired(4, 10), pauses(1), {}, kClosed, true},
          {"hour 5: open", repaired(5, 10), pauses(1), {}, kClosed, false},
          {"hour 20: open", repaired(20, 10), pauses(1), {}, kClosed, false},
          {"hour 21: closed", repaired(21, 10), pauses(1), {}, kClosed, true},
          {"mood 9: hostile", repaired(10, 9), pauses(1), {}, kUnhappy, true},
          {"mood 10: friendly", repaired(10, 10), pauses(1), {}, kUnhappy, false},
          {"S: sweeping", repaired(10, 10), pauses(1) + "S\n" + pauses(1), {}, kSweeping, true},
          {"B: too busy", repaired(10, 10), pauses(1) + "B\n" + pauses(1), {}, kSweeping, false},
      });
}

TEST(BlacksmithFire, TheRescueAndTheRevivalSetTheMood) {
  struct Case {
    const char* secondary;
    const char* pronoun;
    std::string input;
    int moodBefore;
    int moodAfter;
  };
  const Case cases[] = {
      {"Suggestion", "his", kPutOut + kWait, 0, 20},  {"Bash", "her", kPutOut + kCpr, 0, 20},
      {"Bash", "his", kPutOut + kCpr, 0, 0},          {"Tame", "his", kSailor + kWait, 0, 10},
      {"Tame", "her", kSailor + kCpr, 0, 10},         {"Pickpocket", "his", kSailor + kCpr, 0, -10},
      {"Suggestion", "his", kPutOut + kWait, 10, 30},  // after the disguise
  };
  for (const Case& c : cases) {
    Harness h(kIntoTheSmoke + c.input);
    h.state.SecondaryAbility = c.secondary;
    h.state.Pronoun = c.pronoun;
    h.state.BlacksmithMood = c.moodBefore;
    h.state.ClockHour = 23;  // the fire burns at any hour
    EXPECT_EQ(h.play(visitBlacksmith), Ending::Returned) << c.secondary << c.pronoun;
    EXPECT_EQ(h.state.BlacksmithMood, c.moodAfter) << c.secondary << c.pronoun;
    EXPECT_EQ(h.state.BlacksmithFire, 0);
    EXPECT_EQ(h.state.ClockHour, 23);
  }
}

TEST(BlacksmithFire, OtherActionsLeaveItBurning) {
  // Stab, an apple, the burn, an "A" with no apples left, then the sailor.
  Harness h(kIntoTheSmoke + "R\n1\nR\nA\n" + pauses(1) + "R\n2\nR\na\n" + kSailor + kWait);
  h.state.PrimaryAbility = "Stab";
  h.state.SecondaryAbility = "Pickpocket";
  h.state.Apples = 1;
  EXPECT_EQ(h.play(visitBlacksmith), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"Stab(1) Pickpocket(2) Use the apples (A)", "",
       "You take out your dagger, and slash blindly into the smoke! You don't hear anything, maybe that wasn't the best idea...!",
       "Well, at least they'll be cooked...", "Stab(1) Pickpocket(2) ",
       "You rifle around in the soot, and accidentaly burn yourself on a hot metal rod!",
       "Stab(1) Pickpocket(2) ", kFireMenu,
       "You leave the blacksmith there, and run around the town yelling \"Fire! Fire! Help! Fire!\""}));
  EXPECT_EQ(occurrences(h.output(), kFireMenu), 5);
  EXPECT_EQ(h.state.Apples, 0);
  EXPECT_EQ(h.state.PlayerHealth, 45);
}

TEST(BlacksmithShop, OpenFromFiveToTwentyForAFriend) {
  for (const int hour : {4, 21}) {
    Harness h(pauses(1));
    h.state.BlacksmithFire = 0;
    h.state.BlacksmithMood = 10;
    h.state.ClockHour = hour;
    h.play(visitBlacksmith);
    EXPECT_TRUE(h.output().ends_with("The blacksmith's isn't open yet, come back later\n")) << hour;
  }
  // A sweeping job at 5 and one at 20: ten gold, three hours and a point of mood each.
  Harness h(pauses(1) + "S\n" + pauses(2) + pauses(1) + "s\n" + pauses(2));
  h.state.BlacksmithFire = 0;
  h.state.BlacksmithMood = 10;
  h.state.ClockHour = 5;
  h.play(visitBlacksmith);
  EXPECT_EQ(h.state.ClockHour, 8);
  h.state.ClockHour = 20;
  h.play(visitBlacksmith);
  EXPECT_EQ(h.state.ClockHour, 23);
  EXPECT_EQ(h.state.PlayerGold, 60);
  EXPECT_EQ(h.state.BlacksmithMood, 12);
}

TEST(BlacksmithShop, AnUngratefulBlacksmithThrowsThePlayerOut) {
  Harness h(pauses(1));
  h.state.BlacksmithFire = 0;
  h.state.BlacksmithMood = 0;
  h.state.ClockHour = 10;
  h.play(visitBlacksmith);
  EXPECT_TRUE(
      h.output().ends_with("\"What are YOU doing back here?!?! Get out before I throw you out!\n"));
}

}  // namespace
}  // namespace qm::testing
