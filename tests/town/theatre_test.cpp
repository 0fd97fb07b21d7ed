#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kInvestigationMenu =
    "You can look backstage (B) in the dressing rooms (D) or on the stage (S) Review suspects (R) or you can come back later (L) ";

// The poster's two pauses, the ticket, the show, staying and agreeing to help.
const std::string kShowAndAgree = pauses(2) + "S\n" + pauses(7) + "S\n" + pauses(3) + "S\n";
// Into the dressing room, open the drawers, drink.
const std::string kDrink = "D\n" + pauses(1) + "D\n" + pauses(1) + "D\n";

// Reading the program and naming a suspect; the culprit's scene has one pause more.
std::string accuse(char suspect) {
  const bool culprit = suspect == 'S' || suspect == 's';
  return "R\n" + pauses(1) + "Y\n" + suspect + "\n" + pauses(culprit ? 3 : 2);
}

// The theatre's decisions, every comparison in theatre.cpp of the quest stage, the hour, the
// gold, the brawn or a menu letter with a constant, read from the code. The count to the next show
// turns at the hour of the day 12, which only a clock of 36 reaches; the test after this one
// plays it.
TEST(Theatre, DecisionsAtTheirEdges) {
  constexpr std::string_view kAlreadySeen = "You've already been here, and seen the play!";
  constexpr std::string_view kStartingSoon =
      "Looks like its starting soon, do you want to check it out?";
  constexpr std::string_view kTooPoor = "You don't have enough gold, sorry!";
  constexpr std::string_view kNoPatron = "Not a patron of the arts I see...";
  constexpr std::string_view kFollowHim =
      "One of the performers comes out of the curtains, he motions for you to follow him.";
  constexpr std::string_view kHawkward = "\"Oh uh, this is hawk-ward\"";
  constexpr std::string_view kLipstick = "The knife appears to have some kind of lipstick on it.";
  constexpr std::string_view kCollapse = "You instantly collapse onto the floor";
  constexpr std::string_view kAssemble =
      "You convince the cast to assemble in the dressing rooms, and bring the local law enforcement";
  constexpr std::string_view kSolved = "Good job! You receive 100 gold, and a Silly Sceptre!";
  constexpr std::string_view kOneHour = "It's not going to be on for 1 hours";
  constexpr std::string_view kTwentyHours = "It's not going to be on for 20 hours";
  const auto stage = [](int value) { return set(&GameState::TheatreStage, value); };
  const auto hour = [](int value) { return set(&GameState::ClockHour, value); };
  const auto gold = [&](int value) { return all({hour(13), set(&GameState::PlayerGold, value)}); };
  const auto brawn = [&](int value) {
    return all({stage(1), set(&GameState::PlayerBrawn, value)});
  };
  const std::string ticket = pauses(2) + "S\n";
  const std::string show = ticket + pauses(7);
  const std::string tree = show + "S\n" + pauses(3);
  checkEdges(
      visitTheatre, {},
      {
          {"stage 69: already seen", stage(69), "", {}, kAlreadySeen, true},
          {"stage 1: not yet seen", stage(1), "", {}, kAlreadySeen, false},
          {"stage 1: straight to the clues", stage(1), "", {}, kInvestigationMenu, true},
          {"stage 0: the poster first", hour(13), pauses(2), {}, kInvestigationMenu, false},
          {"hour 11: no show", hour(11), pauses(2), {}, kStartingSoon, false},
          {"hour 12: the show", hour(12), pauses(2), {}, kStartingSoon, true},
          {"hour 15: the show", hour(15), pauses(2), {}, kStartingSoon, true},
          {"hour 16: no show", hour(16), pauses(2), {}, kStartingSoon, false},
          {"hour 11: before noon, 12 - hour", hour(11), pauses(2), {}, kOneHour, true},
          {"hour 16: after the show, 36 - hour", hour(16), pauses(2), {}, kTwentyHours, true},
          {"N at the door: no patron", hour(13), pauses(2) + "N\n", {}, kNoPatron, true},
          {"S at the door: a patron", hour(13), ticket, {}, kNoPatron, false},
          {"gold 14: turned away", gold(14), ticket, {}, kTooPoor, true},
          {"gold 15: a ticket", gold(15), ticket, {}, kTooPoor, false},
          {"S after the murder: stays", hour(13), show + "S\n", {}, kFollowHim, true},
          {"L after the murder: leaves", hour(13), show + "L\n", {}, kFollowHim, false},
          {"N to the tree: hawk-ward", hour(13), tree + "N\n", {}, kHawkward, true},
          {"S to the tree: helps", hour(13), tree + "S\n", {}, kHawkward, false},
          {"X at the knife: examined", stage(1), "S\n\nX\n", {}, kLipstick, true},
          {"L at the knife: left", stage(1), "S\n\nL\n", {}, kLipstick, false},
          {"brawn 4: collapses", brawn(4), kDrink, {}, kCollapse, true},
          {"brawn 5: resists", brawn(5), kDrink, {}, kCollapse, false},
          {"Y to the accusation: assembled", stage(1), "R\n\nY\n", {}, kAssemble, true},
          {"N to the accusation: not yet", stage(1), "R\n\nN\n", {}, kAssemble, false},
          {"Sugar accused: solved", stage(1), accuse('S'), {}, kSolved, true},
          {"Hansel accused: wrong", stage(1), accuse('H'), {}, kSolved, false},
      });
}

TEST(TheatreShow, TheWaitCountsToTheNextMiddayShow) {
  // Exact from 0 to 24; above 24 (the hub takes off only 24 a pass) it never reaches 0.
  const std::pair<int, int> hourAndWait[] = {{0, 12},  {11, 1},  {16, 20}, {23, 13},
                                             {24, 12}, {25, 11}, {36, 24}, {40, 20}};
  for (const auto& [hour, wait] : hourAndWait) {
    Harness h(pauses(3));
    h.state.ClockHour = hour;
    h.play(visitTheatre);
    EXPECT_TRUE(h.output().ends_with("It's not going to be on for " + std::to_string(wait) +
                                     " hours\n" + std::string(kPauseText)))
        << hour;
  }
  Harness latest(pauses(3));
  latest.state.ClockHour = std::numeric_limits<int>::max();
  latest.play(visitTheatre);
  EXPECT_GT(latest.state.TimeTill, 0);

  for (const int hour : {12, 15}) {
    Harness h(pauses(2) + "N\n");
    h.state.ClockHour = hour;
    h.play(visitTheatre);
    EXPECT_TRUE(h.output().ends_with("Not a patron of the arts I see...\n")) << hour;
  }
}

TEST(TheatreShow, ThePosterHasFifteenLinesInItsFrame) {
  Harness h(pauses(3));
  h.play(visitTheatre);
  const std::vector<std::string> lines = h.lines();
  const auto top = std::find(lines.begin(), lines.end(), "There is a sign on the door") + 3;
  ASSERT_GE(lines.end() - top, 17);
  EXPECT_EQ(top[-1], "");
  EXPECT_EQ(top[0], std::string(21, ' ') + std::string(18, '_'));
  for (int row = 1; row < 15; ++row) {
    EXPECT_EQ(top[row].size(), 40u) << row;
    EXPECT_TRUE(top[row].starts_with(std::string(20, ' ') + "|")) << row;
    EXPECT_TRUE(top[row].ends_with("|")) << row;
  }
  EXPECT_NE(top[3].find("SHOW MIDDAY"), std::string::npos);
  EXPECT_NE(top[8].find("CONFLICT\""), std::string::npos);
  EXPECT_EQ(top[14], std::string(20, ' ') + "|" + std::string(18, '_') + "|");
  EXPECT_EQ(top[16], "Press Enter to continue . . . ");
}

TEST(TheatreShow, FifteenGoldBuysTheTicket) {
  Harness poor(pauses(2) + "S\n");
  poor.state.ClockHour = 13;
  poor.state.PlayerGold = 14;
  poor.play(visitTheatre);
  EXPECT_TRUE(poor.output().ends_with("You don't have enough gold, sorry!\n"));

  Harness leaving(pauses(2) + "S\n" + pauses(7) + "L\n");
  leaving.state.ClockHour = 13;
  leaving.state.PlayerGold = 15;
  EXPECT_EQ(leaving.play(visitTheatre), Ending::Returned);
  EXPECT_EQ(leaving.state.PlayerGold, 0);
  EXPECT_EQ(leaving.state.TheatreStage, 0);
}

TEST(TheatreInvestigation, ResumesAtAnyHourWithoutTheShow) {
  Harness h(kShowAndAgree + "L\n" + "L\n");
  h.state.ClockHour = 13;
  h.play(visitTheatre);
  EXPECT_EQ(h.state.TheatreStage, 1);
  const std::size_t firstVisit = h.output().size();
  h.state.ClockHour = 22;
  h.play(visitTheatre);
  EXPECT_EQ(h.output().substr(firstVisit), std::string(kInvestigationMenu) + "\n");
  EXPECT_EQ(h.state.PlayerGold, 25);
}

TEST(TheatreInvestigation, ThePoisonFellsBrawnBelowFive) {
  Harness dying(kDrink + pauses(1));
  dying.state.TheatreStage = 1;
  dying.state.PlayerBrawn = 4;
  dying.state.PlayerHealth = 5;
  EXPECT_EQ(dying.play(visitTheatre), Ending::Died);
  EXPECT_TRUE(dying.output().ends_with("You instantly collapse onto the floor\n" +
                                       std::string(kPauseText)));

  // The bottle can be drunk on every visit to the drawers.
  Harness weak(kDrink + pauses(1) + "D\n" + pauses(1) + "D\n" + pauses(1) + "L\nL\n");
  weak.state.TheatreStage = 1;
  weak.state.PlayerBrawn = 4;
  weak.state.PlayerHealth = 11;
  EXPECT_EQ(weak.play(visitTheatre), Ending::Returned);
  EXPECT_EQ(weak.state.PlayerHealth, 1);

  Harness strong(kDrink + pauses(2) + "L\nL\n");
  strong.state.TheatreStage = 1;
  strong.state.PlayerBrawn = 5;
  strong.state.PlayerHealth = 5;
  EXPECT_EQ(strong.play(visitTheatre), Ending::Returned);
  EXPECT_EQ(strong.state.PlayerHealth, 5);
}

TEST(TheatreInvestigation, AWrongNameCostsNothingAndSugarSolvesIt) {
  Harness h(accuse('H') + accuse('s') + "E\n");
  h.state.TheatreStage = 1;
  h.state.PlayerName = "Quill";
  EXPECT_EQ(h.play(visitTheatre), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"\"So, Quill, who did it?\" asks the tree", "You better go back and look at the clues again",
       kInvestigationMenu, "Good job! You receive 100 gold, and a Silly Sceptre!"}));
  EXPECT_EQ(h.state.TheatreStage, 69);
  EXPECT_EQ(h.state.PlayerGold, 140);
  EXPECT_EQ(h.state.Weapon, "Silly Sceptre");
  EXPECT_EQ(h.state.PrimaryAbility, "Magic Missile");
  const std::size_t solved = h.output().size();
  h.play(visitTheatre);
  EXPECT_EQ(h.output().substr(solved), "You've already been here, and seen the play!\n");

  Harness declining(kShowAndAgree + accuse('S') + "D\n");
  declining.state.ClockHour = 13;
  declining.state.PrimaryAbility = "Slash";
  declining.play(visitTheatre);
  EXPECT_EQ(declining.state.PlayerGold, 125);
  EXPECT_EQ(declining.state.TheatreStage, 69);
  EXPECT_EQ(declining.state.PrimaryAbility, "Slash");
}

}  // namespace
}  // namespace qm::testing
