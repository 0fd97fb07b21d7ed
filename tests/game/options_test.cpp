#include "game/options.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "game/version.h"

namespace qm::testing {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> list(arguments);
  return parseCommandLine(list);
}

TEST(CommandLineOptions, EachOptionAndEachWayToGetItWrong) {
  struct Case {
    std::vector<std::string_view> arguments;
    Action action;
    std::optional<unsigned> seed;
    std::string_view error;
  };
  const std::vector<Case> cases = {
      {{}, Action::Play, {}, ""},
      {{"--seed", "7"}, Action::Play, 7u, ""},
      {{"--seed=0"}, Action::Play, 0u, ""},
      {{"--seed", "4294967295"}, Action::Play, 4294967295u, ""},
      {{"--help"}, Action::ShowHelp, {}, ""},
      {{"--version", "--bogus"}, Action::ShowVersion, {}, ""},
      {{"--seed", "7", "--help"}, Action::ShowHelp, {}, ""},
      {{"--seed"}, Action::Refuse, {}, "option '--seed' needs a number"},
      {{"--bogus", "--help"}, Action::Refuse, {}, "unknown option '--bogus'"},
      {{"-h"}, Action::Refuse, {}, "unknown option '-h'"},
      {{"7"}, Action::Refuse, {}, "unknown option '7'"},
      {{"--seed", "1", "--seed=2"}, Action::Refuse, {}, "option '--seed' given twice"},
  };
  for (const Case& c : cases) {
    const CommandLine got = parseCommandLine(c.arguments);
    const std::string shown = c.arguments.empty() ? "" : std::string(c.arguments.front());
    EXPECT_EQ(got.action, c.action) << shown;
    EXPECT_EQ(got.seed, c.seed) << shown;
    EXPECT_EQ(got.error, c.error) << shown;
  }
}

TEST(CommandLineOptions, ASeedIsDecimalDigitsWithinUnsignedInt) {
  for (const std::string_view bad :
       {"", "-1", "+1", " 7", "7 ", "7x", "0x10", "4294967296", "99999999999999999999", "1e3"}) {
    const CommandLine got = parse({"--seed", bad});
    EXPECT_EQ(got.action, Action::Refuse) << "'" << bad << "'";
    EXPECT_EQ(got.error,
              "invalid seed '" + std::string(bad) + "': give a whole number from 0 to 4294967295");
  }
}

struct Answer {
  std::optional<int> status;
  std::string out;
  std::string err;
};

Answer answer(const CommandLine& commandLine) {
  std::ostringstream out;
  std::ostringstream err;
  const std::optional<int> status = answerWithoutPlaying(commandLine, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLineAnswers, HelpAndVersionGoToStandardOutputAndRefusalsToStandardError) {
  const Answer play = answer(parse({"--seed", "3"}));
  EXPECT_EQ(play.status, std::nullopt);
  EXPECT_EQ(play.out + play.err, "");

  const Answer help = answer(parse({"--help"}));
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: quillmarrow [--seed N]\n"));
  EXPECT_EQ(help.err, "");

  const Answer version = answer(parse({"--version"}));
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quillmarrow " + std::string(kVersion) + "\n");

  const Answer refusal = answer(parse({"--seed", "x"}));
  EXPECT_EQ(refusal.status, 2);
  EXPECT_EQ(refusal.out, "");
  EXPECT_EQ(refusal.err,
            "quillmarrow: invalid seed 'x': give a whole number from 0 to 4294967295\n" + help.out);
}

}  // namespace
}  // namespace qm::testing
