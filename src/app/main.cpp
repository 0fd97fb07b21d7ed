#include <functional>
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

// Standard error, for the lines that tell the player about the kept run. A line that cannot be
// written there is lost, and the game plays on: nobody would read why.
class ErrorStream final : public qm::OutputSink {
 public:
  void write(std::string_view bytes) override {
    std::cerr.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) << std::flush;
  }
};

using Notice = std::function<void(std::string_view)>;

// Each line for the player about the kept run, named as the program's own, on `errors`.
Notice noticeOn(qm::OutputSink& errors) {
  return [&errors](std::string_view notice) {
    std::string line = "quillmarrow: ";
    line.append(notice).append("\n");
    errors.write(line);
  };
}

int play(qm::InputSource& input, qm::OutputSink& output, const qm::CommandLine& commandLine,
         const Notice& notice) {
  qm::PicturesInWords inWords(output);
  qm::Console console(input, commandLine.picturesInWords ? inWords : output);
  if (commandLine.picturesInWords) console.markPictures();
  qm::ConsolePlatform platform(console);
  qm::CLibraryRandom random(commandLine.seed);
  const std::unique_ptr<qm::RunStorage> storage = runStorage(commandLine);
  return qm::runGameKeepingTheRun(console, random, platform, storage.get(), notice);
}

// A terminal gets its long lines broken between words, the game's and the notices' on standard
// error alike; piped output is left exactly as written.
int playOnStandardStreams(const qm::CommandLine& commandLine) {
  const std::unique_ptr<qm::InputSource> standardInput = qm::standardInput();
  const std::unique_ptr<qm::OutputSink> standardOutput = qm::standardOutput();
  qm::InputSource& input = *standardInput;
  qm::OutputSink& output = *standardOutput;
  ErrorStream errorStream;
  qm::TerminalWidth width;
  const auto columns = [&width] { return width.columns(); };
  qm::WrappingOutput wrappedErrors(errorStream, columns);
  qm::OutputSink& errors =
      qm::standardErrorIsTerminal() ? static_cast<qm::OutputSink&>(wrappedErrors) : errorStream;
  const Notice notice = noticeOn(errors);
  if (!qm::standardOutputIsTerminal()) return play(input, output, commandLine, notice);
  qm::WrappingOutput screen(output, columns);
  if (!qm::standardInputIsTerminal()) return play(input, screen, commandLine, notice);
  qm::EchoedInput typed(input, screen);
  return play(typed, screen, commandLine, notice);
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
