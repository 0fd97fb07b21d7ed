#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/options.h"
#include "app/system.h"
#include "core/console.h"
#include "core/random.h"
#include "core/wrapping_output.h"

namespace {

int play(qm::InputSource& input, qm::OutputSink& output, std::optional<unsigned> seed) {
  qm::Console console(input, output);
  qm::ConsolePlatform platform(console);
  qm::CLibraryRandom random(seed);
  return qm::runGame(console, random, platform);
}

// A terminal gets its long lines broken between words; piped output is left exactly as written.
int playOnStandardStreams(std::optional<unsigned> seed) {
  qm::StandardInput input;
  qm::StandardOutput output;
  if (!qm::standardOutputIsTerminal()) return play(input, output, seed);
  qm::TerminalWidth width;
  qm::WrappingOutput screen(output, [&width] { return width.columns(); });
  if (!qm::standardInputIsTerminal()) return play(input, screen, seed);
  qm::EchoedInput typed(input, screen);
  return play(typed, screen, seed);
}

}  // namespace

int main(int argc, char** argv) {
  qm::useBinaryStandardStreams();
  // The arguments after the program's name (a program can be started with no name at all).
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const qm::CommandLine commandLine = qm::parseCommandLine(arguments);
  if (const std::optional<int> status =
          qm::answerWithoutPlaying(commandLine, std::cout, std::cerr)) {
    return *status;
  }
  return playOnStandardStreams(commandLine.seed);
}
