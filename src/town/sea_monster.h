#pragma once

#include "core/context.h"

namespace qm {

// The six-headed sea monster takes the bait, the fight on the boat, and the old sailor's
// confession after it. Returns to the voyage's caller (and so to the hub) when the sailor swims
// off to found his activist group; a lost fight or the sailor's anger ends the game.
void raiseTheSeaMonster(Context& context);

}  // namespace qm
