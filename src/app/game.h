#pragma once

#include "core/console.h"
#include "core/platform.h"
#include "core/random.h"

namespace qm {

// The exit status of a game whose output could not be written.
inline constexpr int kOutputFailedStatus = 1;

// The whole game, from start-up to the end screen. Returns the exit status: 0 when the game ends
// after the player's death or quietly when the input runs out, kOutputFailedStatus as soon as
// the output cannot be written.
int runGame(Console& console, RandomSource& random, Platform& platform);

}  // namespace qm
