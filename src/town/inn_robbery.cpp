#include "town/inn_robbery.h"

#include "core/dialogue.h"

namespace qm {

bool picksPockets(Context& context) {
  if (context.state.PlayerClass != "Thief") return false;
  context.console.line("Do you want to use pickpocket or rob the bar?");
  return menu(
             context,
             "Put your hands in the air, like you just don't care! (P) Let's do this stealthly (L)",
             "PL") == 'L';
}

}  // namespace qm
