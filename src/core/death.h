#pragma once

#include "core/game_state.h"

namespace qm {

// The player's death, from wherever it happens: thrown out of the running scene or fight and
// caught by the game routine, which shows the end screen. Nothing else ends a play-through.
struct PlayerDied {};

[[noreturn]] inline void dieNow() {
  throw PlayerDied{};
}

// The check that ends a scene: a player with no health left goes to the end screen.
inline void dieIfHealthGone(const GameState& state) {
  if (state.PlayerHealth <= 0) dieNow();
}

}  // namespace qm
