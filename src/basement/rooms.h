#pragma once

#include "basement/room.h"

namespace qm {

// How hard the treasure rooms' locks are to pick: the roll must beat it.
inline constexpr int kLockDifficulty = 10;
inline constexpr int kThiefLockDifficulty = 5;

// The rooms of the basement that hold no fight.
RoomEnd entryRoom(Context& context, const Room& room);  // the way out
RoomEnd pipeRoom(Context& context, const Room& room);
RoomEnd cockpitRoom(Context& context, const Room& room);
RoomEnd crateRoom(Context& context, const Room& room);
RoomEnd bookRoom(Context& context, const Room& room);
RoomEnd bareRoom(Context& context, const Room& room);
RoomEnd smellyRoom(Context& context, const Room& room);
RoomEnd gearFloorRoom(Context& context, const Room& room);
RoomEnd treasureRoom(Context& context, const Room& room);

}  // namespace qm
