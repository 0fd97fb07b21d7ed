#pragma once

#include "core/context.h"

namespace qm {

// Shows the dice and waits until the player types Roll (or R). It rolls nothing: it only
// stages the stats that start-up has already rolled.
void dicePrompt(Context& context);

}  // namespace qm
