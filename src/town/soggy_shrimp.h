#pragma once

#include "core/context.h"

namespace qm {

// The Soggy Shrimp, the town's rowdy pub: drinks with the old sailor or an ale and the darts, a
// room for the night, a robbery, and the way to the mysterious stranger. The player stays at its
// menu until leaving for the hub.
void visitSoggyShrimp(Context& context);

}  // namespace qm
