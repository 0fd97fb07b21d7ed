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

// The decisions of the rooms without a fight, found by reading rooms.cpp: every answer a room
// asks for, and every comparison of a flag, the strength, the class or the lock roll with a
// constant. The rows play the basement from the room, so the entry room's way out shows too.
TEST(Rooms, DecisionsAtTheirEdges) {
  const auto at = [](int column, int row) {
    return all(
        {set(&BasementVisit::BasementColumn, column), set(&BasementVisit::BasementRow, row)});
  };
  const auto as = [](std::string_view playerClass) {
    return [playerClass](GameState& s) { s.PlayerClass = playerClass; };
  };
  const Prepare strong = all({at(1, 2), set(&GameState::PlayerStrength, 4)});
  constexpr std::string_view kGears =
      "You found a couple gears in the crates, better hold on to those, they might be useful!";
  constexpr std::string_view kBook =
      "You don't find any loot, but one of the books stands out to you...";
  constexpr std::string_view kHiss = "You hear a loud hiss from the east but nothing happens.";
  constexpr std::string_view kCameIn = "This must be where you came in.";
  constexpr std::string_view kWhereTo = "Where do you want to go?";
  constexpr std::string_view kBrokenDown =
      "The doors been broken down, and there's an empty treasure chest in the middle of the room";
  constexpr std::string_view kTimbers = "You break through the feeble timbers!";
  constexpr std::string_view kStillLocked = "The door is still locked";
  constexpr std::string_view kSack =
      "Inside is a huge sack of gold! There must be at least 100 coins!";
  checkEdges(exploreBasement, {},
             {
                 {"crates answer S: searched", at(5, 1), "S\n", {1}, kGears, true},
                 {"crates answer O: left alone", at(5, 1), "O\n", {}, kGears, false},
                 {"crates find of 0: the total all the same",
                  all({at(5, 1), set(&GameState::Gears, 2)}),
                  "S\n",
                  {0},
                  "You have 2 gears",
                  true},
                 {"books answer S: the book", at(2, 3), "S\n", {}, kBook, true},
                 {"books answer O: left alone", at(2, 3), "O\n", {}, kBook, false},
                 {"pipes answer M: a hiss", at(2, 4), "M\n", {}, kHiss, true},
                 {"pipes answer L: left alone", at(2, 4), "L\n", {}, kHiss, false},
                 {"entry flag 0: came in",
                  all({at(3, 1), set(&BasementVisit::EntryFirstVisit, 0)}),
                  "\n\n",
                  {},
                  kCameIn,
                  true},
                 {"entry flag 1: first sight", at(3, 1), "\n\n", {}, kCameIn, false},
                 {"entry answer L: out", at(3, 1), "\n\nL\n", {}, kWhereTo, false},
                 {"entry answer G: stays", at(3, 1), "\n\nG\n", {}, kWhereTo, true},
                 {"first chest flag 0: taken",
                  all({at(1, 2), set(&BasementVisit::FirstDoorLocked, 0)}),
                  "",
                  {},
                  kBrokenDown,
                  true},
                 {"first chest flag 1: locked", at(1, 2), "", {}, kBrokenDown, false},
                 {"second chest flag 0: taken",
                  all({at(5, 4), set(&BasementVisit::SecondDoorLocked, 0)}),
                  "",
                  {},
                  kBrokenDown,
                  true},
                 {"second chest flag 1: locked", at(5, 4), "", {}, kBrokenDown, false},
                 {"strength 4: breaks in", strong, "B\n", {}, kTimbers, true},
                 {"strength 3: the gym",
                  all({at(1, 2), set(&GameState::PlayerStrength, 3)}),
                  "B\n",
                  {},
                  "Boy, you really need to go to the gym, the door doesn't budge!",
                  true},
                 {"Thief lock roll 5: opens",
                  all({at(1, 2), as("Thief")}),
                  "L\n",
                  {5},
                  kStillLocked,
                  false},
                 {"Thief lock roll 4: locked",
                  all({at(1, 2), as("Thief")}),
                  "L\n",
                  {4},
                  kStillLocked,
                  true},
                 {"Knight lock roll 10: opens",
                  all({at(1, 2), as("Knight")}),
                  "L\n",
                  {10},
                  kStillLocked,
                  false},
                 {"Knight lock roll 9: locked",
                  all({at(1, 2), as("Knight")}),
                  "L\n",
                  {9},
                  kStillLocked,
                  true},
                 {"chest answer O: the gold", strong, "B\nO\n", {}, kSack, true},
                 {"chest answer L: left closed", strong, "B\nL\n", {}, kSack, false},
                 {"chest left after a broken door: the door line",
                  strong,
                  "B\nL\n",
                  {},
                  kChestDoors,
                  true},
                 {"chest left after a picked lock: no door line",
                  at(1, 2),
                  "L\nL\n",
                  {15},
                  kChestDoors,
                  false},
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
