#include "core/dialogue.h"
#include "town/places.h"
#include "town/polished_pint.h"
#include "town/soggy_shrimp.h"

namespace qm {

void visitInns(Context& context) {
  Console& console = context.console;
  // The basement bomb leaves the Polished Pint a crater for good.
  const bool pintStands = context.state.HatchStage != kHatchBlownUp;
  if (pintStands) {
    console.line(
        "The Polished Pint is more expensive looking. The Soggy Shrimp looks a little run-down but it's probably less expensive");
  } else {
    console.line(
        "The Polished Pint is little more than a crater now, the Soggy Shrimp is your only option.");
  }
  console.pause();
  if (pintStands) console.print("Let's go to The Polished Pint (P) ");
  console.line(
      "Maybe The Soggy Shrimp will be interesting (S) I don't want to go to the inn yet (D)");
  switch (ask(context, pintStands ? "PSD" : "SD")) {
    case 'P': visitPolishedPint(context); break;
    case 'S': visitSoggyShrimp(context); break;
    default: break;
  }
}

}  // namespace qm
