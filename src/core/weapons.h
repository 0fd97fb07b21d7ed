#pragma once

#include "core/context.h"

namespace qm {

// A new weapon comes with its own fight action (1): the two always change together, and the
// action (2) of the class never does.
void equip(GameState& state, const char* weapon, const char* primaryAbility);

// A weapon found as a reward: the player may take it up ("E") or keep what they have ("D").
void offerWeapon(Context& context, const char* weapon, const char* primaryAbility);

}  // namespace qm
