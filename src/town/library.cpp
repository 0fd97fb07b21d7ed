#include "town/not_built.h"
#include "town/places.h"

namespace qm {

void visitLibrary(Context& context) {
  const int hour = context.state.ClockHour;
  if (hour < 6 || hour >= 20) {
    context.console.line("The library is closed, please come back later");
    return;
  }
  notOpenYet(context);
}

}  // namespace qm
