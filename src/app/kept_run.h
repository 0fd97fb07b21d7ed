#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/run_storage.h"
#include "core/run_keeper.h"

namespace qm {

// The run kept in a storage between sessions. At start-up it claims the storage and offers the
// run kept there; at the hub it keeps the run whenever it has changed; at the player's death it
// removes it, so a run ends only as the game does. Nothing here ever ends or damages a game: a
// problem is told once, in one line, through `notice`, and the game plays on, keeping nothing
// where keeping could lose a run.
class KeptRun final : public RunKeeper {
 public:
  KeptRun(RunStorage& storage, std::function<void(std::string_view)> notice);

  // Claims the storage and reads it: the kept run, when there is one and it reads cleanly. A
  // damaged one is set aside first; one of a newer game, or one another game holds, is left be.
  std::optional<GameState> open();

  void atTheHub(const GameState& state) override;

  // The player has died: the run can never be resumed, so it is removed (or, where it cannot
  // be, the player is told so and what to do).
  void forget();

 private:
  RunStorage& storage_;
  std::function<void(std::string_view)> notice_;
  bool keeping_ = false;
  bool failedToWrite_ = false;
  std::string kept_;  // the text kept now
};

}  // namespace qm
