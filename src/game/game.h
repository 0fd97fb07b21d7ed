#pragma once

#include "game/console.h"
#include "game/platform.h"
#include "game/random.h"

namespace qm {

// The whole game, from start-up to the end screen. Returns the exit status, always 0: the game
// ends after the player's death, or quietly when the input runs out.
int runGame(Console& console, RandomSource& random, Platform& platform);

}  // namespace qm
