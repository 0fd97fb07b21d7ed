#include "town/not_built.h"

namespace qm {

void notOpenYet(Context& context) {
  context.console.line(
      "(This part of Sandpoint is still being built. Come back in a later version.)");
}

}  // namespace qm
