#pragma once

#include <string>

#include "basement/room.h"
#include "core/context.h"

namespace qm {

// The grid: column 1 is the east edge and row 1 the north edge.
inline constexpr int kBasementColumns = 5;
inline constexpr int kBasementRows = 4;

// Into the basement from the hub: a fresh basement, then its steps until the entry room or the
// bomb leads out.
void enterBasement(Context& context);

// The basement's steps from where the player stands, with the rooms as they are: the room, the
// death check, the status report, the map and a move, until the entry room or the bomb leads
// out.
void exploreBasement(Context& context);

// The map as the pictures-in-words mode tells it: the grid, where the player stands counted as
// the drawing shows it, and a room or the edge on each side.
std::string basementMapInWords(const BasementVisit& visit);

// The room at (column, row) whose block is `block` (one place holds two rooms): to play a room
// alone, as the tests do.
const Room& roomAt(int column, int row, RoomBlock block);

}  // namespace qm
