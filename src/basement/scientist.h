#pragma once

#include "basement/room.h"

namespace qm {

// Room (3,4): the scientist in his robot suit, then the bomb that ends the basement for good.
// The block leaves the basement, unless the player dies in the fight.
RoomEnd scientistRoom(Context& context);

}  // namespace qm
