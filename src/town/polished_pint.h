#pragma once

#include "core/context.h"

namespace qm {

// The Polished Pint, the dearer of the two inns: a beer with the Lacerti and the circus leader, a
// room that ends in a fight with the robot bartender, or a robbery. A player who has been thrown
// out is refused at the door until the hat salesman's disguise makes them a stranger again.
void visitPolishedPint(Context& context);

}  // namespace qm
