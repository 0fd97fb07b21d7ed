#pragma once

#include "core/context.h"

namespace qm {

// Asking for a room at the Polished Pint: the bartender turns out to be a robot, the player
// fights him and is thrown out into the street, where the hatch to the basement is found. A
// player who dies in the fight goes straight to the end screen.
void askForARoom(Context& context);

}  // namespace qm
