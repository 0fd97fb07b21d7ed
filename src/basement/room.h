#pragma once

#include "core/context.h"

namespace qm {

// How a room's block ends the step of the basement it runs in.
enum class RoomEnd {
  GoOn,     // the later room blocks run, then the status report
  EndStep,  // the later room blocks are skipped: straight to the status report
  Leave,    // out of the basement and back to the hub
};

struct Room;

// What stands in a room, played every time the player stands there.
using RoomBlock = RoomEnd (*)(Context& context, const Room& room);

// One room of the basement: where it is, what stands in it, and what is its own: a kind of room
// that the basement holds twice (two zombies, two treasure rooms) plays the same block over the
// part of the basement's state that the room names, with the words that set the two apart.
struct Room {
  int column;
  int row;
  RoomBlock block;
  int BasementVisit::*flag = nullptr;    // 1 while its fight is still to come, or its door locked
  int BasementVisit::*number = nullptr;  // its enemy's hit points, or its lock's difficulty
  int BasementVisit::*count = nullptr;   // its zombie's steps still to walk
  const char* doorLine = nullptr;        // after the room's own lines, where it has one
  const char* laterVisit = nullptr;      // once its fight is over, where the kind varies it
  const char* sneakQuestion = nullptr;   // where the kind varies it
};

// The room's part of the basement's state.
inline int& partOf(GameState& state, int BasementVisit::*part) {
  return state.Basement.*part;
}

// The sneak question of the zombies, the peons and the scientist.
inline constexpr const char* kSneakOrAttackHim = "Try to sneak around (R) Attack him head on! (H)";

// Door lines that two rooms share.
inline constexpr const char* kDoorsNorthWestEastSouth = "There are doors North West East and South";
inline constexpr const char* kDoorsNorthEastSouth = "There are doors North East and South";

// A find of 0 to 3 gears (a find of none included), then the new total.
void pocketGears(Context& context);

}  // namespace qm
