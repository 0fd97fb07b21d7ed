#pragma once

#include "core/context.h"

namespace qm {

// Both inns let a Thief choose how to rob them: outright, like anybody else, or by picking the
// patrons' pockets. True when the player goes for the pockets; false for everyone who is not a
// Thief.
bool picksPockets(Context& context);

}  // namespace qm
