#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qm {

// What the command line asks for.
struct CommandLine {
  enum class Action { Play, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Play;
  std::optional<unsigned> seed;         // replaces the clock as the random numbers' seed
  std::optional<std::string> saveFile;  // keeps the run in this file, terminal or not
  bool noSave = false;                  // keeps and resumes nothing
  bool picturesInWords = false;         // each picture a line of words, each rule an empty line
  std::string error;                    // why a refused command line was refused
};

// Reads the arguments that follow the program name, as GNU tools do: --help (-h) and --version
// (-V) act as soon as they are met, short options may go together (-hV, where -h acts), and --
// ends the options. An unknown option or letter, any argument that is not an option, an option
// given twice, --save with --no-save, or a seed that is not a whole number from 0 to the largest
// unsigned int refuses the whole command line.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

// Answers --help, --version or a refused command line; returns the exit status (1 when the answer
// cannot be written, 2 for a refused command line), or nothing when the game is to be played.
std::optional<int> answerWithoutPlaying(const CommandLine& commandLine, std::ostream& out,
                                        std::ostream& err);

}  // namespace qm
