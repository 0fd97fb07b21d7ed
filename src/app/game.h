#pragma once

#include <functional>
#include <string_view>

#include "core/console.h"
#include "core/platform.h"
#include "core/random.h"

namespace qm {

// The exit status of a game whose output could not be written.
inline constexpr int kOutputFailedStatus = 1;

class KeptRun;
class RunStorage;

// The whole game, from start-up to the end screen. Returns the exit status: 0 when the game ends
// after the player's death or quietly when the input runs out, kOutputFailedStatus as soon as
// the output cannot be written. With a kept run, a run kept from an earlier session is offered
// first, and the run is kept from then on.
int runGame(Console& console, RandomSource& random, Platform& platform, KeptRun* keptRun = nullptr);

// The game as the shipped programs play it: with the run kept in `storage` when there is one,
// each problem with it told in one line through `notice`.
int runGameKeepingTheRun(Console& console, RandomSource& random, Platform& platform,
                         RunStorage* storage, const std::function<void(std::string_view)>& notice);

}  // namespace qm
