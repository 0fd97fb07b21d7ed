#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qm::art {

// The words that tell a map instead of drawing it: where the player stands, in the terms a
// sighted player reads off the drawing, and what lies next to that square.

// "first", "second", ... for 1, 2, ...: where a square stands in its row or column.
std::string_view ordinal(int place);
// "one", "two", ...: how many rows or squares a map has.
std::string_view cardinal(int count);

// Where a square stands among `count` rows: "the top row", "the third row from the top", ...
std::string rowOf(int row, int count);

// What the drawing shows on one side of the player's square: `kind` (such as "water", or "the
// edge") `side` of it (such as "to the north", or "above"); `kinds` where it lies on several
// sides and reads differently then ("a room", "rooms").
struct Beside {
  std::string_view side;
  std::string_view kind;
  std::string_view kinds = {};
};

// Each kind once, with every side it lies on, in the order the kinds first come:
// "water to the north, to the south and to the west; the dock to the east".
std::string whatLiesBeside(std::span<const Beside> sides);

}  // namespace qm::art
