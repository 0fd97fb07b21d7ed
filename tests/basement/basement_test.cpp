#include "basement/basement.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

Prepare standAt(int column, int row) {
  return all({set(&BasementVisit::BasementColumn, column), set(&BasementVisit::BasementRow, row)});
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
