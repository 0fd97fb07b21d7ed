#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "support/harness.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kInvestigationMenu =
    "You can look backstage (B) in the dressing rooms (D) or on the stage (S) Review suspects (R) or you can come back later (L) ";

std::string pauses(int count) {
  return std::string(count, '\n');
}

// The poster's two pauses, the ticket, the show, staying and agreeing to help.
const std::string kShowAndAgree = pauses(2) + "S\n" + pauses(7) + "S\n" + pauses(3) + "S\n";
// Into the dressing room, open the drawers, drink.
const std::string kDrink = "D\n" + pauses(1) + "D\n" + pauses(1) + "D\n";

// Reading the program and naming a suspect; the culprit's scene has one pause more.
std::string accuse(char suspect) {
  const bool culprit = suspect == 'S' || suspect == 's';
  return "R\n" + pauses(1) + "Y\n" + suspect + "\n" + pauses(culprit ? 3 : 2);
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
