#pragma once

#include "game/context.h"

namespace qm {

// How a room's block ends the step of the basement it runs in.
enum class RoomEnd {
  GoOn,     // the later room blocks run, then the status report
  EndStep,  // the later room blocks are skipped: straight to the status report
  Leave,    // out of the basement and back to the hub
};

// What stands in one room of the basement, played every time the player stands there.
using RoomBlock = RoomEnd (*)(Context& context);

// The sneak question of the zombies, the peons and the scientist.
inline constexpr const char* kSneakOrAttackHim = "Try to sneak around (R) Attack him head on! (H)";

// The door line that the book room and the second zombie's room share.
inline constexpr const char* kDoorsNorthWestEastSouth = "There are doors North West East and South";

// A find of 0 to 3 gears (a find of none included), then the new total.
void pocketGears(Context& context);

}  // namespace qm
