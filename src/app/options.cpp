#include "app/options.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>
#include <ostream>
#include <utility>

#include "app/game.h"
#include "app/version.h"

namespace qm {

namespace {

constexpr std::string_view kUsage =
    "Usage: quillmarrow [--seed N] [--save FILE | --no-save] [--pictures-in-words]\n"
    "       quillmarrow -h | --help | -V | --version\n"
    "Play Quillmarrow, a text adventure for the console.\n"
    "\n"
    "  --seed N       start the random numbers from N (0 to 4294967295) instead of\n"
    "                 the clock: the same N and answers play the same game again\n"
    "  --save FILE    keep the run in FILE and resume it from there, also when not\n"
    "                 played at a terminal (at a terminal the run is kept in the\n"
    "                 user's state folder); a run downloaded from the web page\n"
    "                 carries on from its file\n"
    "  --no-save      neither keep the run nor resume one\n"
    "  --pictures-in-words\n"
    "                 print each picture as one line saying what it shows, and\n"
    "                 each rule of dashes as an empty line (for screen readers)\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Type the letter shown in brackets and press Enter. The game ends when your\n"
    "character dies; Ctrl-D stops it at any question.\n";

constexpr std::string_view kCopyright =
    "Copyright 2026 the Quillmarrow authors. All rights reserved.";
constexpr std::string_view kTryHelp = "Try 'quillmarrow --help' for more information.";

static_assert(std::numeric_limits<unsigned>::max() == 4294967295u,
              "the usage text and the seed error name the largest seed");

constexpr int kStatusUsageError = 2;

CommandLine only(CommandLine::Action action, std::string error = {}) {
  CommandLine commandLine;
  commandLine.action = action;
  commandLine.error = std::move(error);
  return commandLine;
}

CommandLine refused(std::string error) {
  return only(CommandLine::Action::Refuse, std::move(error));
}

// A seed is written in decimal digits alone: no sign, no blanks, nothing after it.
std::optional<unsigned> parseSeed(std::string_view text) {
  unsigned seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return seed;
}

// Short options, alone or together as GNU tools take them (`-hV` is -h then -V). The whole group
// is read first, so an unknown letter anywhere in it refuses it, named as getopt names it; then
// the first letter acts, and as -h and -V both end the program, the rest is never reached.
CommandLine shortOptions(std::string_view letters) {
  for (std::size_t at = 0; at < letters.size(); ++at) {
    if (letters[at] == 'h' || letters[at] == 'V') continue;
    // A letter outside ASCII is named whole: its lead byte and the bytes that continue it.
    std::size_t end = at + 1;
    while (end < letters.size() && (static_cast<unsigned char>(letters[end]) & 0xC0) == 0x80)
      ++end;
    return refused("invalid option -- '" + std::string(letters.substr(at, end - at)) + "'");
  }
  return only(letters.front() == 'h' ? CommandLine::Action::ShowHelp
                                     : CommandLine::Action::ShowVersion);
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine commandLine;
  for (std::size_t next = 0; next < arguments.size(); ++next) {
    const std::string_view argument = arguments[next];
    if (argument == "--") {  // the end of the options: the game takes no other arguments
      if (next + 1 < arguments.size()) {
        return refused("unexpected argument '" + std::string(arguments[next + 1]) + "'");
      }
      break;
    }
    if (argument == "--help") return only(CommandLine::Action::ShowHelp);
    if (argument == "--version") return only(CommandLine::Action::ShowVersion);
    if (!argument.starts_with("-") || argument == "-") {
      return refused("unexpected argument '" + std::string(argument) + "'");
    }
    if (!argument.starts_with("--")) return shortOptions(argument.substr(1));
    if (argument == "--no-save" || argument == "--pictures-in-words") {
      bool& flag = argument == "--no-save" ? commandLine.noSave : commandLine.picturesInWords;
      if (flag) return refused("option '" + std::string(argument) + "' given twice");
      flag = true;
      continue;
    }
    // The options that take a value, as `--name value` or `--name=value`.
    std::string_view name = argument.substr(0, argument.find('='));
    if (name != "--seed" && name != "--save") {
      return refused("unknown option '" + std::string(argument) + "'");
    }
    std::string_view value;
    if (name.size() < argument.size()) {
      value = argument.substr(name.size() + 1);
    } else if (next + 1 < arguments.size()) {
      value = arguments[++next];
    } else {
      return refused("option '" + std::string(name) + "' needs " +
                     (name == "--seed" ? "a number" : "a file"));
    }
    if (name == "--save") {
      if (commandLine.saveFile) return refused("option '--save' given twice");
      if (value.empty()) return refused("option '--save' needs a file");
      commandLine.saveFile = std::string(value);
      continue;
    }
    if (commandLine.seed) return refused("option '--seed' given twice");
    commandLine.seed = parseSeed(value);
    if (!commandLine.seed) {
      return refused("invalid seed '" + std::string(value) +
                     "': give a whole number from 0 to 4294967295");
    }
  }
  if (commandLine.saveFile && commandLine.noSave) {
    return refused("options '--save' and '--no-save' cannot go together");
  }
  return commandLine;
}

std::optional<int> answerWithoutPlaying(const CommandLine& commandLine, std::ostream& out,
                                        std::ostream& err) {
  switch (commandLine.action) {
    case CommandLine::Action::Play: return std::nullopt;
    case CommandLine::Action::ShowHelp: out << kUsage; break;
    case CommandLine::Action::ShowVersion:
      out << "quillmarrow " << kVersion << '\n' << kCopyright << '\n';
      break;
    case CommandLine::Action::Refuse:
      err << "quillmarrow: " << commandLine.error << '\n' << kTryHelp << '\n';
      return kStatusUsageError;
  }
  // An answer nobody can read fails as the game does when its output cannot be written.
  errno = 0;
  if (out.flush()) return 0;
  const int error = errno;
  err << "quillmarrow: cannot write the output"
      << (error ? std::string(": ") + std::strerror(error) : "") << '\n';
  return kOutputFailedStatus;
}

}  // namespace qm
