#include "town/hub.h"

#include <string>

#include "game/death.h"
#include "game/dialogue.h"
#include "town/clock.h"
#include "town/places.h"
#include "town/status_report.h"

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
  if (state.HatchStage == 0) {
    console.print(" I want to check out that mysterious hatch (H)");
    letters += 'H';
  }
  if (state.CircusStage == 1) {
    console.print(" Let's go to the circus camp (C)");
    letters += 'C';
  }
  if (state.OldManStage == 1) {
    console.print(" Let's see that crazy old man! (M)");
    letters += 'M';
  }
  console.line();
  return ask(context, letters);
}

void runHub(Context& context) {
  while (true) {
    wrapClock(context.state);
    printStatusReport(context.console, context.state);
    dieIfHealthGone(context.state);
    visit(context, chooseFromHub(context));
  }
}

}  // namespace qm
