#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/options.h"
#include "app/system.h"
#include "core/console.h"
#include "core/pictures_in_words.h"
#include "core/random.h"
#include "core/wrapping_output.h"

namespace {

// Where the run is kept: the file the command line names; by default, when a person plays at a
// terminal, the user's own save file; otherwise nowhere, so piped and scripted games never read
// or write a save.
std::unique_ptr<qm::RunStorage> runStorage(const qm::CommandLine& commandLine) {
  if (commandLine.noSave) return nullptr;
  if (commandLine.saveFile) return qm::saveFileStorage(*commandLine.saveFile, false);
  if (!qm::standardInputIsTerminal() || !qm::standardOutputIsTerminal()) return nullptr;
  const std::optional<std::string> file = qm::defaultSaveFile();
  if (!file) {
    std::cerr << "quillmarrow: no folder to keep the run in (" << qm::userFolderVariable()
              << " is not set): this game is not kept\n";
    return nullptr;
  }
  return qm::saveFileStorage(*file, true);
}

int play(qm::InputSource& input, qm::OutputSink& output, const qm::CommandLine& commandLine) {
  qm::PicturesInWords inWords(output);
  qm::Console console(input, commandLine.picturesInWords ? inWords : output);
  if (commandLine.picturesInWords) console.markPictures();
  qm::ConsolePlatform platform(console);
  qm::CLibraryRandom random(commandLine.seed);
  const std::unique_ptr<qm::RunStorage> storage = runStorage(commandLine);
  return qm::runGameKeepingTheRun(console, random, platform, storage.get(),
                                  [](std::string_view notice) {
                                    std::cerr << "quillmarrow: " << notice << '\n' << std::flush;
                                  });
}

// A terminal gets its long lines broken between words; piped output is left exactly as written.
int playOnStandardStreams(const qm::CommandLine& commandLine) {
  const std::unique_ptr<qm::InputSource> standardInput = qm::standardInput();
  const std::unique_ptr<qm::OutputSink> standardOutput = qm::standardOutput();
  qm::InputSource& input = *standardInput;
  qm::OutputSink& output = *standardOutput;
  if (!qm::standardOutputIsTerminal()) return play(input, output, commandLine);
  qm::TerminalWidth width;
  qm::WrappingOutput screen(output, [&width] { return width.columns(); });
  if (!qm::standardInputIsTerminal()) return play(input, screen, commandLine);
  qm::EchoedInput typed(input, screen);
  return play(typed, screen, commandLine);
}

}  // namespace

int main(int argc, char** argv) {
  qm::prepareStandardStreams();
  const std::vector<std::string> given = qm::programArguments(argc, argv);
  const std::vector<std::string_view> arguments(given.begin(), given.end());
  const qm::CommandLine commandLine = qm::parseCommandLine(arguments);
  if (const std::optional<int> status =
          qm::answerWithoutPlaying(commandLine, std::cout, std::cerr)) {
    return *status;
  }
  return playOnStandardStreams(commandLine);
}
