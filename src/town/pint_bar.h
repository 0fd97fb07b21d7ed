#pragma once

#include "core/context.h"
#include "core/dialogue.h"

namespace qm {

// The hit points of each Lacerti at the bar, set when the quarrel starts.
inline constexpr int kLacertiHitPoints = 10;

// A beer at the bar of the Polished Pint: while the two Lacerti sit there it brings a quarrel
// with them, and whoever handles them well is offered a job by the circus leader.
Next haveABeer(Context& context);

}  // namespace qm
