#include "town/hub.h"

#include <string>

#include "basement/basement.h"
#include "core/clock.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "core/status_report.h"
#include "town/places.h"

namespace qm {

namespace {

void visit(Context& context, char letter) {
  switch (letter) {
    case 'L': visitLibrary(context); break;
    case 'T': visitTheatre(context); break;
    case 'W': waitAround(context); break;
    case 'M': sailWithOldMan(context); break;
    case 'C': visitCircusCamp(context); break;
    case 'H': enterBasement(context); break;
    case 'V': visitVendors(context); break;
    case 'B': visitBlacksmith(context); break;
    case 'I': visitInns(context); break;
    default: break;
  }
}

}  // namespace

char chooseFromHub(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  std::string letters = "ILWBVT";
  console.print(
      "Let's get a room at an inn (I) I want to check out the Blacksmith (B) Can I go to the vendors (V) Let's check out the theatre (T) What about that library (L) Lets wait around a bit. (W)");
  if (state.HatchStage == kHatchFound) {
    console.print(" I want to check out that mysterious hatch (H)");
    letters += 'H';
  }
  if (state.CircusStage == kCircusJobTaken) {
    console.print(" Let's go to the circus camp (C)");
    letters += 'C';
  }
  if (state.OldManStage == kOldManWaiting) {
    console.print(" Let's see that crazy old man! (M)");
    letters += 'M';
  }
  console.line();
  return ask(context, letters);
}

void runHub(Context& context) {
  while (true) {
    // Kept before the clock is wrapped, so a resumed run goes on exactly from here; a player
    // with no health left is about to die, and a dead player's run is not kept.
    if (context.keeper && context.state.PlayerHealth > 0) context.keeper->atTheHub(context.state);
    wrapClock(context.state);
    printStatusReport(context.console, context.state);
    dieIfHealthGone(context.state);
    visit(context, chooseFromHub(context));
  }
}

}  // namespace qm
