#pragma once

#include "game/context.h"

namespace qm {

// The Polished Pint, the dearer of the two inns.
void visitPolishedPint(Context& context);

}  // namespace qm
