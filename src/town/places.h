#pragma once

#include "core/context.h"

namespace qm {

// The places the hub sends the player to. Each returns to the hub when the visit is over; a
// death on the way goes straight to the end screen.
void visitInns(Context& context);
void visitBlacksmith(Context& context);
void visitVendors(Context& context);
void visitTheatre(Context& context);
void visitLibrary(Context& context);
void waitAround(Context& context);
void sailWithOldMan(Context& context);
void visitCircusCamp(Context& context);

}  // namespace qm
