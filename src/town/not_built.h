#pragma once

#include "game/context.h"

namespace qm {

// Where a place of the town is not open to visitors in this version yet: one line, then back to
// the hub.
void notOpenYet(Context& context);

}  // namespace qm
