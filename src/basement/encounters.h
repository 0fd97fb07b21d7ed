#pragma once

#include "basement/room.h"

namespace qm {

// The fight rooms of the basement, by their place (column, row). A fight ends the room's block
// even when the player falls: the step's death check acts on that.
RoomEnd firstZombieRoom(Context& context);   // (1,4)
RoomEnd secondZombieRoom(Context& context);  // (2,2)
RoomEnd firstPeonRoom(Context& context);     // (4,1)
RoomEnd secondPeonRoom(Context& context);    // (3,3)
RoomEnd firstRobotRoom(Context& context);    // (1,1)
RoomEnd secondRobotRoom(Context& context);   // (4,2)
RoomEnd firstRatRoom(Context& context);      // (4,3)
RoomEnd secondRatRoom(Context& context);     // (4,4), after the cockpit

}  // namespace qm
