#include "town/not_built.h"
#include "town/places.h"

namespace qm {

void visitCircusCamp(Context& context) {
  notOpenYet(context);
}

}  // namespace qm
