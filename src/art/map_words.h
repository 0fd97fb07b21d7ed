#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qm::art {

// The words that tell a map instead of drawing it: where the player stands, in the terms a
// sighted player reads off the drawing, and what lies next to that square.

// What the drawing shows on one side of the player's square: `kind` (such as "water", or "the
// edge") `side` of it (such as "to the north", or "above"); `kinds` where it lies on several
// sides and reads differently then ("a room", "rooms").
struct Beside {
  std::string_view side;
  std::string_view kind;
  std::string_view kinds = {};
};

struct MapWords {
  std::string_view map;  // what the map is: "The nautical map"
  int rows;              // how many rows and columns the drawing has
  int columns;
  std::string_view square;  // what one cell is ("square"), and several ("squares")
  std::string_view squares;
  std::string_view compass;  // the drawing's compass, from its legend, or nothing
  std::string_view who;      // "you are", "your boat is"
  int row;                   // where, counted from 1 at the top and at the left; 0: off the map
  int column;
  std::array<Beside, 4> sides;
};

// "The nautical map, ten rows of ten squares, north at the top and west at the left; your boat
// is in the top row, the third square from the left; the edge to the north; water to the south
// and to the west; the shore to the east": each kind once, with every side it lies on.
std::string told(const MapWords& words);

}  // namespace qm::art
