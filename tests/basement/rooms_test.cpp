#include "basement/rooms.h"

#include <gtest/gtest.h>

#include <string>

#include "basement/basement.h"
#include "basement/play_room.h"
#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

constexpr std::string_view kChestDoors = "There are doors North South and East";

// The rooms' thresholds that no transcript plays on both sides, and a find of nothing, each row
// beside the mutant it kills (tools/mutate, with and without the tables); the transcripts below
// play every other threshold on both sides.
TEST(Rooms, DecisionsAtTheirEdges) {
  const auto at = [](int column, int row) {
    return all(
        {set(&BasementVisit::BasementColumn, column), set(&BasementVisit::BasementRow, row)});
  };
  const auto as = [](std::string_view playerClass) {
    return [playerClass](GameState& s) { s.PlayerClass = playerClass; };
  };
  const Prepare strong = all({at(1, 2), set(&GameState::PlayerStrength, 4)});
  constexpr std::string_view kStillLocked = "The door is still locked";
  checkEdges(exploreBasement, {},
             {
                 // a find of nothing still tells the total, which no transcript plays
                 {"crates find of 0: the total all the same",
                  all({at(5, 1), set(&GameState::Gears, 2)}),
                  "S\n",
                  {0},
                  "You have 2 gears",
                  true},
                 // Roll < lockDifficulty made <=
                 {"Knight lock roll 10: opens",
                  all({at(1, 2), as("Knight")}),
                  "L\n",
                  {10},
                  kStillLocked,
                  false},
                 // door == DoorWay::BrokenDown made !=
                 {"chest left after a broken door: the door line",
                  strong,
                  "B\nL\n",
                  {},
                  kChestDoors,
                  true},
             });
}

// Two walks through the rooms without a fight: down the west column (crates, the gear floor,
// the empty cell, a door broken down and the chest opened, and the emptied room seen again),
// and from a picked lock past the second crates and the book to the pipes.
TEST(Rooms, WalksAsThePlayerSeesThem) {
  checkTranscripts({
      {"basement-crates-gear-floor-and-the-broken-door", exploreBasement,
       [](GameState& s) {
         s.PlayerClass = "Knight";
         s.Weapon = "Sharp Sword";
         s.PlayerStrength = 4;
         s.Basement.BasementColumn = 5;
         s.Basement.BasementRow = 1;
       }},
      {"basement-picked-lock-books-and-pipes", exploreBasement,
       [](GameState& s) {
         s.PlayerClass = "Thief";
         s.Weapon = "Deadly Dagger";
         s.Gears = 1;
         s.Basement.BasementColumn = 1;
         s.Basement.BasementRow = 2;
       }},
  });
}

}  // namespace
}  // namespace qm::testing
