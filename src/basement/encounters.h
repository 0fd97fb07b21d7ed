#pragma once

#include "basement/room.h"

namespace qm {

// A zombie's steps still to walk start at rand() % kApproachRounds.
inline constexpr int kApproachRounds = 2;

// The hit points each of the basement's enemies starts its fight with; the rats' are their number.
inline constexpr int kZombieHitPoints = 10;
inline constexpr int kPeonHitPoints = 10;
inline constexpr int kAutomatonHitPoints = 10;
inline constexpr int kRatsInASwarm = 10;

// The fight rooms of the basement. A fight ends the room's block even when the player falls: the
// step's death check acts on that.
RoomEnd zombieRoom(Context& context, const Room& room);
RoomEnd peonRoom(Context& context, const Room& room);
RoomEnd automatonRoom(Context& context, const Room& room);
RoomEnd ratRoom(Context& context, const Room& room);

}  // namespace qm
