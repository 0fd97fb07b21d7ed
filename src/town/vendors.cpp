#include "town/not_built.h"
#include "town/places.h"

namespace qm {

void visitVendors(Context& context) {
  const int hour = context.state.ClockHour;
  if (hour >= 20 || hour <= 6) {
    context.console.line("The vendors are not open yet, come back later.");
    return;
  }
  notOpenYet(context);
}

}  // namespace qm
