#pragma once

#include "core/console.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "core/random.h"
#include "core/run_keeper.h"

namespace qm {

// What every stage and scene works with: the one game state, the console for all text, the
// random source for all numbers, and the platform for the rest; and what keeps the run between
// sessions, when anything does.
struct Context {
  GameState& state;
  Console& console;
  RandomSource& random;
  Platform& platform;
  RunKeeper* keeper = nullptr;
};

}  // namespace qm
