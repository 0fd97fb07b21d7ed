#pragma once

#include "game/context.h"

namespace qm {

// Where a choice at the Polished Pint leaves the player.
enum class PintNext { StayInInn, LeaveForHub };

// A beer at the bar of the Polished Pint: while the two Lacerti sit there it brings a quarrel
// with them, and whoever handles them well is offered a job by the circus leader.
PintNext haveABeer(Context& context);

}  // namespace qm
