#include "basement/basement.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

constexpr std::string_view kNoDoor = "There's no door that way";

Prepare standAt(int column, int row) {
  return all({set(&BasementVisit::BasementColumn, column), set(&BasementVisit::BasementRow, row)});
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
  constexpr std::string_view kNearlyDead = "Holy cow man take a hint you need some help";
  checkEdges(exploreBasement, cleared,
             {
                 {"East from column 2: into column 1", standAt(2, 1), "E\n", {}, kNoDoor, false},
                 {"East from column 1: the edge", standAt(1, 1), "E\n", {}, kNoDoor, true},
                 {"West from column 4: into column 5", standAt(4, 2), "W\n", {}, kNoDoor, false},
                 {"West from column 5: the edge", standAt(5, 2), "W\n", {}, kNoDoor, true},
                 {"North from row 2: into row 1", standAt(3, 2), "N\n", {}, kNoDoor, false},
                 {"North from row 1: the edge", standAt(2, 1), "N\n", {}, kNoDoor, true},
                 {"South from row 3: into row 4", standAt(5, 3), "S\n", {}, kNoDoor, false},
                 {"South from row 4: the edge", standAt(5, 4), "S\n", {}, kNoDoor, true},
                 {"health 1: the report",
                  all({standAt(5, 3), set(&GameState::PlayerHealth, 1)}),
                  "",
                  {},
                  kNearlyDead,
                  true},
                 {"health 0: dead before the report",
                  all({standAt(5, 3), set(&GameState::PlayerHealth, 0)}),
                  "",
                  {},
                  kNearlyDead,
                  false},
             });
}

// Inside the grid every side is a room: the edges are told only past the last row and column.
TEST(Basement, TheMapInWordsInside) {
  BasementVisit visit;
  visit.BasementColumn = kBasementColumns - 1;
  visit.BasementRow = kBasementRows - 1;
  const std::string words = basementMapInWords(visit);
  EXPECT_NE(words.find("rooms above, below, to the left and to the right"), std::string::npos)
      << words;
}

// Walks through the basement as the player sees them: in, with the basement's own report (a
// player nearly dead) and its map; a short visit (a look at the entry room, a blocked move, the
// bare room, back and out); north from the pipes by the grid, not the door line, and west to the
// cockpit before its rats; out and in again, where the entry room, the peon and every lock are
// new; and from the hatch down the middle column past the scientist's wrecked suit to the crater
// the Polished Pint becomes.
TEST(Basement, WalksAsThePlayerSeesThem) {
  const auto thief = [](GameState& s) {
    makeThief(s);
    s.Weapon = "Deadly Dagger";
  };
  checkTranscripts({
      {"basement-entered-nearly-dead", enterBasement,
       all({thief, set(&GameState::Apples, 2), set(&GameState::Gears, 1),
            set(&GameState::PlayerHealth, 9), set(&GameState::ClockHour, 13),
            [](GameState& s) { s.HasMysteriousBook = true; }})},
      {"basement-enter-look-around-and-leave", enterBasement,
       [](GameState& s) {
         makeKnight(s);
         s.Weapon = "Sharp Sword";
         s.PlayerHealth = 42;
       }},
      {"basement-north-from-the-pipes-by-the-grid", exploreBasement, all({thief, standAt(2, 4)})},
      {"basement-the-cockpit-before-its-rats", exploreBasement,
       all({thief, standAt(5, 4), set(&BasementVisit::SecondDoorLocked, 0)})},
      {"basement-out-and-in-again-everything-back",
       [](Context& c) {
         enterBasement(c);
         enterBasement(c);
       },
       all({thief, set(&GameState::Apples, 1), set(&BasementVisit::SecondDoorLocked, 0),
            set(&BasementVisit::ScientistWaiting, 0)})},
      {"basement-from-the-hatch-to-the-crater", runHub,
       all({thief, set(&GameState::HatchStage, kHatchFound)})},
  });
}

}  // namespace
}  // namespace qm::testing
