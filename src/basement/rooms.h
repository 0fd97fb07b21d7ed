#pragma once

#include "basement/room.h"

namespace qm {

// The rooms of the basement that hold no fight, by their place (column, row).
RoomEnd entryRoom(Context& context);           // (3,1), the way out
RoomEnd pipeRoom(Context& context);            // (2,4)
RoomEnd cockpitRoom(Context& context);         // (4,4), before its rats
RoomEnd firstCrateRoom(Context& context);      // (5,1)
RoomEnd secondCrateRoom(Context& context);     // (1,3)
RoomEnd bookRoom(Context& context);            // (2,3)
RoomEnd bareRoom(Context& context);            // (3,2)
RoomEnd smellyRoom(Context& context);          // (2,1)
RoomEnd gearFloorRoom(Context& context);       // (5,2)
RoomEnd firstTreasureRoom(Context& context);   // (1,2)
RoomEnd secondTreasureRoom(Context& context);  // (5,4)

}  // namespace qm
