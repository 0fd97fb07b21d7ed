#pragma once

#include "core/context.h"

namespace qm {

// Owen's hit points when the fight with him starts.
inline constexpr int kOwenHitPoints = 30;

// The Collective's hideout under the Soggy Shrimp: the meeting that hands out the overdue book,
// or, once the library has revealed Owen, the fight with him beside the librarian.
void enterHideout(Context& context);

}  // namespace qm
