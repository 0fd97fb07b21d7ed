#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "game/console.h"
#include "game/game.h"
#include "game/options.h"
#include "game/platform.h"
#include "game/random.h"

namespace {

int play(std::optional<unsigned> seed) {
  qm::StandardInput input;
  qm::StandardOutput output;
  qm::Console console(input, output);
  qm::PosixPlatform platform(console);
  qm::CLibraryRandom random(seed);
  return qm::runGame(console, random, platform);
}

}  // namespace

int main(int argc, char** argv) {
  // The arguments after the program's name (a program can be started with no name at all).
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const qm::CommandLine commandLine = qm::parseCommandLine(arguments);
  if (const std::optional<int> status =
          qm::answerWithoutPlaying(commandLine, std::cout, std::cerr)) {
    return *status;
  }
  return play(commandLine.seed);
}
