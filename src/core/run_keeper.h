#pragma once

#include "core/game_state.h"

namespace qm {

// Keeps a run between sessions. The hub hands it the whole game state each time it is about to
// report: every place has returned there and the basement starts afresh on every entry, so the
// state is whole there and nowhere else.
class RunKeeper {
 public:
  virtual ~RunKeeper() = default;
  virtual void atTheHub(const GameState& state) = 0;
};

}  // namespace qm
