#pragma once

#include "core/context.h"

namespace qm {

// The town square: wrap the clock, report, end the game if the player is dead, offer the places
// and visit the one chosen; again and again until the player dies.
[[noreturn]] void runHub(Context& context);

// One choice from the hub menu: prints the menu line and returns the accepted letter.
char chooseFromHub(Context& context);

}  // namespace qm
