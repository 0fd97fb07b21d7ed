#pragma once

#include "core/console.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "core/random.h"

namespace qm {

// What every stage and scene works with: the one game state, the console for all text, the
// random source for all numbers, and the platform for the rest.
struct Context {
  GameState& state;
  Console& console;
  RandomSource& random;
  Platform& platform;
};

}  // namespace qm
