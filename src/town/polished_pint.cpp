#include "town/polished_pint.h"

#include "town/not_built.h"

namespace qm {

void visitPolishedPint(Context& context) {
  notOpenYet(context);
}

}  // namespace qm
