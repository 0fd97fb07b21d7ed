#include "basement/basement.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/status_report.h"
#include "support/harness.h"
#include "support/tables.h"
#include "town/hub.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kEntryRoom =
    "There's a crack of sunlight coming through the ceiling, you can make out the silloutte of a couple books lying on the floor, and a spool of wire.";
constexpr std::string_view kCameIn = "This must be where you came in.";
constexpr std::string_view kNoDoor = "There's no door that way";
constexpr std::string_view kQuestion =
    "Where do you want to go?\nNorth (N) South (S) East (E) or West (W)\n";

void standAt(Harness& h, int column, int row) {
  h.state.Basement.BasementColumn = column;
  h.state.Basement.BasementRow = row;
}

TEST(Basement, EnteringShowsTheEntryRoomThenTheBasementsOwnReportAndTheMap) {
  Harness h("\n\n\nG\n");
  h.state.Weapon = "Deadly Dagger";
  h.state.Apples = 2;
  h.state.Gears = 1;
  h.state.HasMysteriousBook = true;
  h.state.PlayerHealth = 9;
  h.state.ClockHour = 13;
  EXPECT_EQ(h.play(enterBasement), Ending::InputEnded);
  const std::string separator(kSeparator);
  EXPECT_EQ(h.output(),
            "You sneak around the Polished Pint, and slip into the basement...\n" +
                std::string(kPauseText) + std::string(kEntryRoom) + "\n" + std::string(kPauseText) +
                "There are wooden doors to the North, East, and West\n" + std::string(kPauseText) +
                "Let's leave (L) I'm not ready to go yet (G)\n\n" + separator +
                "\nYou have 40 gold\nYou are weilding a Deadly Dagger\n" +
                "You have 2 bags of apples\nYou have 1 gears!\n" +
                "Holy cow man take a hint you need some help\n" + separator + "\n" +
                "[ ][ ][X][ ][ ]\n[ ][ ][ ][ ][ ]\t\t\tLegend\n[ ][ ][ ][ ][ ]\t\t[X] Player\n" +
                "[ ][ ][ ][ ][ ]\t\t[ ] Room\n" + std::string(kQuestion));
  EXPECT_EQ(h.state.ClockHour, 13);
}

// The decisions of the step loop, found by reading basement.cpp: the grid's four edges (each
// move into the edge's cell goes through, the move past it is blocked) and the death check at the
// head of the status step. The rows start in rooms that were already cleared, so no room asks or
// draws anything before the move.
TEST(Basement, DecisionsAtTheirEdges) {
  const Prepare cleared = [](GameState& s) {
    for (int* flag :
         {&s.Basement.EntryFirstVisit, &s.Basement.FirstRobotWaiting, &s.Basement.FirstPeonWaiting,
          &s.Basement.FirstDoorLocked, &s.Basement.SecondZombieWaiting,
          &s.Basement.SecondRobotWaiting, &s.Basement.SecondPeonWaiting,
          &s.Basement.FirstRatsWaiting, &s.Basement.FirstZombieWaiting,
          &s.Basement.SecondRatsWaiting, &s.Basement.SecondDoorLocked}) {
      *flag = 0;
    }
  };
  const auto at = [](int column, int row) {
    return all(
        {set(&BasementVisit::BasementColumn, column), set(&BasementVisit::BasementRow, row)});
  };
  constexpr std::string_view kNearlyDead = "Holy cow man take a hint you need some help";
  checkEdges(exploreBasement, cleared,
             {
                 {"East from column 2: into column 1", at(2, 1), "E\n", {}, kNoDoor, false},
                 {"East from column 1: the edge", at(1, 1), "E\n", {}, kNoDoor, true},
                 {"West from column 4: into column 5", at(4, 2), "W\n", {}, kNoDoor, false},
                 {"West from column 5: the edge", at(5, 2), "W\n", {}, kNoDoor, true},
                 {"North from row 2: into row 1", at(3, 2), "N\n", {}, kNoDoor, false},
                 {"North from row 1: the edge", at(2, 1), "N\n", {}, kNoDoor, true},
                 {"South from row 3: into row 4", at(5, 3), "S\n", {}, kNoDoor, false},
                 {"South from row 4: the edge", at(5, 4), "S\n", {}, kNoDoor, true},
                 {"health 1: the report",
                  all({at(5, 3), set(&GameState::PlayerHealth, 1)}),
                  "",
                  {},
                  kNearlyDead,
                  true},
                 {"health 0: dead before the report",
                  all({at(5, 3), set(&GameState::PlayerHealth, 0)}),
                  "",
                  {},
                  kNearlyDead,
                  false},
             });
}

TEST(Basement, EachEdgeBlocksItsDirectionAndAsksAgainAfterTheReport) {
  const std::tuple<int, int, std::string_view> edges[] = {
      {5, 3, "W"}, {5, 4, "s"}, {2, 1, "N"}, {1, 2, "e"}};
  for (const auto& [column, row, letter] : edges) {
    Harness h("x " + std::string(letter) + "\n");
    standAt(h, column, row);
    h.state.Basement.FirstDoorLocked = 0;  // the treasure rooms ask nothing once opened
    h.state.Basement.SecondDoorLocked = 0;
    EXPECT_EQ(h.play(exploreBasement), Ending::InputEnded);
    const std::string out = h.output();
    EXPECT_EQ(occurrences(out, kNoDoor), 1) << letter;
    EXPECT_EQ(out.starts_with(kSeparator), column == 5 && row == 3) << letter;  // the empty cell
    const std::string after = out.substr(out.find(kNoDoor));
    EXPECT_EQ(occurrences(after, kSeparator), 2) << letter;
    EXPECT_TRUE(after.ends_with("\t\t[ ] Room\n" + std::string(kQuestion))) << letter;
    EXPECT_EQ(h.state.Basement.BasementColumn, column) << letter;
    EXPECT_EQ(h.state.Basement.BasementRow, row) << letter;
  }
}

TEST(Basement, MovesFollowTheGridNotTheDoorLinesAndTheCockpitComesBeforeItsRats) {
  Harness north("L\nN\n");  // the pipe room names South, East and West only
  standAt(north, 2, 4);
  north.play(exploreBasement);
  EXPECT_EQ(north.state.Basement.BasementRow, 3);
  EXPECT_TRUE(hasLinesInOrder(
      north.lines(), {"There are doors South East and West", "[ ][X][ ][ ][ ]\t\t[X] Player",
                      "This room has some books strewn around the floor."}));

  Harness east("E\n");  // towards column 1: the marker moves left
  standAt(east, 5, 4);
  east.state.Basement.SecondDoorLocked = 0;
  east.play(exploreBasement);
  EXPECT_TRUE(hasLinesInOrder(
      east.lines(),
      {"[ ][ ][ ][ ][X]\t\t[ ] Room", "Where do you want to go?", "[ ][ ][ ][X][ ]\t\t[ ] Room",
       "This room has an unfinished robot standing upright in it, it looks like it has some kind of a cockpit.",
       "There are doors South East and West",
       "You enter the next room, and a horde of giant rats swarms out of nowhere!"}));
}

TEST(Basement, LeavingAndEnteringAgainPutsEveryMonsterLockAndChestBack) {
  // In: the peon falls to a bag of apples at 10 hit points; back in the entry room, which now
  // knows the player; out; in again, where the entry room is new and the peon waits.
  Harness h("\n\n\nG\nW\n\nH\n\nA\n\nE\n\n\nL\n\n\n\nG\nW\n\n", {15});
  h.state.PrimaryAbility = "Stab";
  h.state.SecondaryAbility = "Pickpocket";
  h.state.Apples = 1;
  h.state.Basement.SecondDoorLocked = 0;
  h.state.Basement.ScientistWaiting = 0;
  EXPECT_EQ(h.play(enterBasement), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"\"Ouch bloody hail wa wuz tha met!?!\"", "The peon is dead on the floor.",
                  "There are doors East and South", std::string(kCameIn)}));
  EXPECT_EQ(h.state.Basement.FirstPeonWaiting, 0);
  EXPECT_EQ(h.state.Basement.FirstPeonHealth, 0);

  EXPECT_EQ(h.play(enterBasement), Ending::InputEnded);
  EXPECT_EQ(occurrences(h.output(), kCameIn), 1);
  EXPECT_EQ(occurrences(h.output(), "Inside this next room, there's a lowly peon"), 2);
  for (const int flag : {h.state.Basement.FirstPeonWaiting, h.state.Basement.SecondPeonWaiting,
                         h.state.Basement.FirstRobotWaiting, h.state.Basement.SecondRobotWaiting,
                         h.state.Basement.FirstZombieWaiting, h.state.Basement.SecondZombieWaiting,
                         h.state.Basement.FirstRatsWaiting, h.state.Basement.SecondRatsWaiting,
                         h.state.Basement.FirstDoorLocked, h.state.Basement.SecondDoorLocked,
                         h.state.Basement.ScientistWaiting})
    EXPECT_EQ(flag, 1);
  EXPECT_EQ(h.state.Basement.FirstPeonHealth, 10);
  EXPECT_EQ(h.state.Basement.EntryFirstVisit, 0);
}

TEST(Basement, FromTheHatchToTheCrater) {
  // Down the middle column: the bare room, a peon slipped past, the scientist's suit wrecked by a
  // Thief's Pickpocket and still acting; then the wand, the hub without the hatch and the inns
  // without the Polished Pint.
  Harness h("H\n\n\n\nG\nS\nS\n\nR\nS\n\n\n\n\nR\n2\n\n\n\n\n\nE\n\nH\nI\n\nD\n", {12, 15});
  h.state.PlayerClass = "Thief";
  h.state.PrimaryAbility = "Stab";
  h.state.SecondaryAbility = "Pickpocket";
  h.state.Weapon = "Deadly Dagger";
  h.state.HatchStage = 0;
  EXPECT_EQ(h.play([](Context& c) { runHub(c); }), Ending::InputEnded);
  h.expectAllDrawsUsed();
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You sneak around the Polished Pint, and slip into the basement...",
       "This room is completely bare",
       "Inside this next room, there's a lowly peon, scrubbing the floor with a tooth brush...",
       "[ ][ ][X][ ][ ]\t\t[ ] Room",
       "You try to run out the door, but the robot grabs you and drags you back into the room with its huge claws",
       "You powerslide under his legs, and pull a huge gear out of his suit",
       "The scientist pulls  lever, and a blast of flame bursts out of his flamethrower, scorching your eyebrows off!",
       "All of a sudden his suit starts to malfunction.", "Then it falls over, crushing him!",
       "Achievement get; Blastwright", "You are weilding a Wily Wand", "It's dawn",
       "The Polished Pint is little more than a crater now, the Soggy Shrimp is your only option.",
       "Maybe The Soggy Shrimp will be interesting (S) I don't want to go to the inn yet (D)"}));
  EXPECT_EQ(occurrences(h.output(), "I want to check out that mysterious hatch (H)"), 1);
  EXPECT_EQ(h.state.HatchStage, kQuestFinished);
  EXPECT_EQ(h.state.AchievementBlastwright, 1);
  EXPECT_EQ(h.state.PlayerGold, 96);
  EXPECT_EQ(h.state.PrimaryAbility, "Magic Missile");
  EXPECT_EQ(h.state.SecondaryAbility, "Pickpocket");
  EXPECT_EQ(h.state.PlayerHealth, 47);
  EXPECT_EQ(h.state.ClockHour, 6);
}

// In, a look at the entry room, a blocked move, the bare room, back to the entry room and out.
TEST(Basement, AShortVisitAsThePlayerSeesIt) {
  checkTranscripts({
      {"basement-enter-look-around-and-leave",
       enterBasement,
       [](GameState& s) {
         s.PlayerClass = "Knight";
         s.Weapon = "Sharp Sword";
         s.PlayerHealth = 42;
       },
       "\n\n\nG\nN\nS\nN\n\n\nL\n",
       {}},
  });
}

}  // namespace
}  // namespace qm::testing
