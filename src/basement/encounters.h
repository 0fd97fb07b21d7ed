#pragma once

#include "basement/room.h"

namespace qm {

// A zombie's steps still to walk start at rand() % kApproachRounds.
inline constexpr int kApproachRounds = 2;

// The fight rooms of the basement. A fight ends the room's block even when the player falls: the
// step's death check acts on that.
RoomEnd zombieRoom(Context& context, const Room& room);
RoomEnd peonRoom(Context& context, const Room& room);
RoomEnd automatonRoom(Context& context, const Room& room);
RoomEnd ratRoom(Context& context, const Room& room);

}  // namespace qm
