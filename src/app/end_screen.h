#pragma once

#include "core/context.h"

namespace qm {

// The one ending: the death message, the credits, the achievements earned and the shark.
void showEndScreen(Context& context);

}  // namespace qm
