#include "app/options.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/version.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineOptions, EachOptionAndEachWayToGetItWrong) {
  const std::string badSeed = "': give a whole number from 0 to 4294967295";
  struct Case {
    std::vector<std::string_view> arguments;
    Action action;
    std::optional<unsigned> seed;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{}, Action::Play, {}, ""},
      {{"--seed", "7"}, Action::Play, 7u, ""},
      {{"--seed=4294967295"}, Action::Play, 4294967295u, ""},
      {{"--help"}, Action::ShowHelp, {}, ""},
      {{"--seed", "7", "--version", "--bogus"}, Action::ShowVersion, {}, ""},
      {{"--seed"}, Action::Refuse, {}, "option '--seed' needs a number"},
      {{"--bogus", "--help"}, Action::Refuse, {}, "unknown option '--bogus'"},
      {{"--seed", "1", "--seed=2"}, Action::Refuse, {}, "option '--seed' given twice"},
      {{"--seed", "4294967296"}, Action::Refuse, {}, "invalid seed '4294967296" + badSeed},
      {{"--seed", "-1"}, Action::Refuse, {}, "invalid seed '-1" + badSeed},
      {{"--seed", "7x"}, Action::Refuse, {}, "invalid seed '7x" + badSeed},
      {{"--seed="}, Action::Refuse, {}, "invalid seed '" + badSeed},
      {{"-h", "--bogus"}, Action::ShowHelp, {}, ""},
      {{"-V"}, Action::ShowVersion, {}, ""},
      {{"--seed", "7", "--"}, Action::Play, 7u, ""},
      {{"--", "--help"}, Action::Refuse, {}, "unexpected argument '--help'"},
      {{"play"}, Action::Refuse, {}, "unexpected argument 'play'"},
      {{"-"}, Action::Refuse, {}, "unexpected argument '-'"},
      {{"-x"}, Action::Refuse, {}, "invalid option -- 'x'"},
      // Short options together: the whole group is checked, then its first letter acts.
      {{"-hV"}, Action::ShowHelp, {}, ""},
      {{"-Vh", "--bogus"}, Action::ShowVersion, {}, ""},
      {{"-hx"}, Action::Refuse, {}, "invalid option -- 'x'"},
      {{"-V\xc3\xa9h"}, Action::Refuse, {}, "invalid option -- '\xc3\xa9'"},  // é, whole
  };
  for (const Case& c : cases) {
    const CommandLine got = parseCommandLine(c.arguments);
    const std::string shown = c.arguments.empty() ? "" : std::string(c.arguments.back());
    EXPECT_EQ(got.action, c.action) << shown;
    EXPECT_EQ(got.seed, c.seed) << shown;
    EXPECT_EQ(got.error, c.error) << shown;
  }
}

TEST(CommandLineOptions, WhereTheRunIsKeptOrThatNoneIs) {
  using Arguments = std::vector<std::string_view>;
  EXPECT_EQ(parseCommandLine(Arguments{"--save", "a b"}).saveFile, "a b");
  EXPECT_EQ(parseCommandLine(Arguments{"--seed=2", "--save=run"}).saveFile, "run");
  EXPECT_TRUE(parseCommandLine(Arguments{"--no-save"}).noSave);
  EXPECT_FALSE(parseCommandLine(Arguments{}).noSave);
  for (const auto& [arguments, error] : std::vector<std::pair<Arguments, std::string>>{
           {{"--save"}, "option '--save' needs a file"},
           {{"--save="}, "option '--save' needs a file"},
           {{"--save", "a", "--save=b"}, "option '--save' given twice"},
           {{"--no-save", "--no-save"}, "option '--no-save' given twice"},
           {{"--save", "a", "--no-save"}, "options '--save' and '--no-save' cannot go together"},
           {{"--no-save=yes"}, "unknown option '--no-save=yes'"},
           {{"--pictures-in-words", "--pictures-in-words"},
            "option '--pictures-in-words' given twice"},
       }) {
    const CommandLine got = parseCommandLine(arguments);
    EXPECT_EQ(got.action, Action::Refuse) << error;
    EXPECT_EQ(got.error, error);
  }
}

TEST(CommandLineAnswers, HelpAndVersionGoToStandardOutputAndRefusalsToStandardError) {
  const auto answer = [](std::vector<std::string_view> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = answerWithoutPlaying(parseCommandLine(arguments), out, err);
    return std::tuple{status, out.str(), err.str()};
  };
  EXPECT_EQ(answer({"--seed", "3"}), std::tuple(std::nullopt, "", ""));
  const auto [helpStatus, usage, helpErrors] = answer({"-h"});
  EXPECT_EQ(helpStatus, 0);
  EXPECT_TRUE(usage.starts_with(
      "Usage: quillmarrow [--seed N] [--save FILE | --no-save] [--pictures-in-words]\n"));
  EXPECT_EQ(helpErrors, "");
  for (const std::string& line : splitLines(usage))
    EXPECT_LE(line.size(), 80u) << line;
  EXPECT_EQ(answer({"-V"}), std::tuple(0,
                                       "quillmarrow " + std::string(kVersion) +
                                           "\nCopyright 2026 the Quillmarrow authors. All "
                                           "rights reserved.\n",
                                       ""));
  EXPECT_EQ(answer({"--seed", "x"}),
            std::tuple(2, "",
                       "quillmarrow: invalid seed 'x': give a whole number from 0 to 4294967295\n"
                       "Try 'quillmarrow --help' for more information.\n"));
}

}  // namespace
}  // namespace qm::testing
