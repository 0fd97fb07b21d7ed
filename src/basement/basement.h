#pragma once

#include "game/context.h"

namespace qm {

// The basement's steps from where the player stands, with the rooms as they are: the room, the
// death check, the status report, the map and a move, until the entry room or the bomb leads
// out. Entering (enterBasement) resets the basement first.
void exploreBasement(Context& context);

}  // namespace qm
