#pragma once

#include <string>

#include "core/context.h"

namespace qm {

// The docks' nautical map, drawn with the boat where the state has it, with its legend and its
// compass (north at the top, west at the left) and a short beep after each row. For a player
// who reads in words, or a page's screen reader, it is told instead: where the boat is, and what
// the chart shows on each side of it.
void drawNauticalMap(Context& context);

// The map in words with the boat at (x, y), as drawNauticalMap tells it.
std::string nauticalMapInWords(int boatX, int boatY);

// Whether the boat at (x, y), on the map, has run onto the shore.
bool runsAground(int x, int y);

}  // namespace qm
