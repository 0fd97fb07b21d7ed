#include "game/console.h"
#include "game/game.h"
#include "game/platform.h"
#include "game/random.h"

int main() {
  qm::StandardInput input;
  qm::StandardOutput output;
  qm::Console console(input, output);
  qm::PosixPlatform platform(console);
  qm::CLibraryRandom random;
  return qm::runGame(console, random, platform);
}
