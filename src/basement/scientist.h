#pragma once

#include "basement/room.h"

namespace qm {

// The hit points of the scientist's robot suit when the fight starts.
inline constexpr int kSuitHitPoints = 20;

// The scientist in his robot suit, then the bomb that ends the basement for good. The block
// leaves the basement, unless the player dies in the fight.
RoomEnd scientistRoom(Context& context, const Room& room);

}  // namespace qm
