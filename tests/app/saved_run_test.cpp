#include "app/saved_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game.h"
#include "app/kept_run.h"
#include "core/console.h"
#include "support/memory_storage.h"
#include "support/players.h"
#include "support/question_bot.h"
#include "support/scripted_io.h"
#include "support/tables.h"
#include "support/transcript_marks.h"

namespace qm::testing {
namespace {

// How many members an aggregate has: the most initializers it takes, one per member (a member
// that is itself a struct takes one).
struct AnyMember {
  template <typename T>
  operator T() const;  // NOLINT: converts to any member's type, in unevaluated code only
};

template <typename T, typename... Members>
consteval std::size_t memberCount() {
  if constexpr (requires { T{Members{}..., AnyMember{}}; }) {
    return memberCount<T, Members..., AnyMember>();
  } else {
    return sizeof...(Members);
  }
}

// The runs kept at the hub during a few random games: real values of every variable.
const std::vector<std::string>& keptTexts() {
  static const std::vector<std::string> texts = [] {
    MemoryStorage storage;
    for (unsigned seed = 1; seed <= 8; ++seed) {
      KeptRun keptRun(storage, [](std::string_view) {});
      RandomGameOptions options;
      options.answers = 2000;
      options.keptRun = &keptRun;
      playRandomGame(seed, options);
    }
    return storage.written();
  }();
  return texts;
}

GameState someKeptState() {
  return readSavedRun(keptTexts().back()).state;
}

TEST(SavedRun, CarriesEveryMemberOfTheGameState) {
  std::size_t inGameState = 0;
  std::size_t inBasement = 0;
  for (const SavedVariable& variable : savedVariables()) {
    ++(std::holds_alternative<int BasementVisit::*>(variable.member) ? inBasement : inGameState);
  }
  EXPECT_EQ(memberCount<GameState>(), inGameState + 1);  // the basement's part is one member
  EXPECT_EQ(memberCount<BasementVisit>(), inBasement);
}

TEST(SavedRun, EveryRunKeptInPlayReadsBackAsItWasWritten) {
  ASSERT_GT(keptTexts().size(), 100u);
  for (const std::string& text : keptTexts()) {
    const SavedRun run = readSavedRun(text);
    ASSERT_EQ(run.status, SavedRun::Status::Whole) << run.problem << "\n" << text;
    EXPECT_EQ(writeSavedRun(run.state), text);
    EXPECT_TRUE(readSavedRun(writeSavedRun(run.state)).state == run.state);
  }
}

// Each variable of the table stands for its own member: another value of it, written and read
// back, changes that member alone. A character's variable is checked with the whole character,
// so a value creation never makes is refused.
TEST(SavedRun, EachVariableCarriesItsOwnMember) {
  const GameState base = someKeptState();
  for (const SavedVariable& variable : savedVariables()) {
    GameState changed = base;
    bool refused = false;
    std::visit(
        [&](auto member) {
          using Member = decltype(member);
          if constexpr (std::is_same_v<Member, std::string GameState::*>) {
            changed.*member = variable.rule == SavedVariable::Rule::Character ? "no such thing"
                              : changed.*member == "Q"                        ? "R"
                                                                              : "Q";
            refused = variable.rule == SavedVariable::Rule::Character;
          } else if constexpr (std::is_same_v<Member, bool GameState::*>) {
            changed.*member = !(changed.*member);
          } else {
            int& value = [&]() -> int& {
              if constexpr (std::is_same_v<Member, int BasementVisit::*>) {
                return changed.Basement.*member;
              } else {
                return changed.*member;
              }
            }();
            if (variable.rule == SavedVariable::Rule::Character) {
              value = -7;
              refused = true;
            } else if (variable.rule == SavedVariable::Rule::Stage) {
              value = variable.stages[variable.stages[0] == value ? 1 : 0];
            } else {
              value = value == variable.lowest ? variable.highest : variable.lowest;
            }
          }
        },
        variable.member);
    ASSERT_FALSE(changed == base) << variable.name;
    const SavedRun run = readSavedRun(writeSavedRun(changed));
    if (refused) {
      EXPECT_EQ(run.status, SavedRun::Status::Damaged) << variable.name;
    } else {
      EXPECT_EQ(run.status, SavedRun::Status::Whole) << variable.name << ": " << run.problem;
      EXPECT_TRUE(run.state == changed) << variable.name;
    }
  }
}

TEST(SavedRun, EscapesEveryByteThatCouldBreakALine) {
  GameState state = someKeptState();
  state.RaceChoice = "A\\B\x01\x10=\x7F\xC3\xA9";  // an answer is any word of a line
  state.Choice = "x\\x41";
  const std::string text = writeSavedRun(state);
  EXPECT_NE(text.find("RaceChoice=A\\\\B\\x01\\x10=\\x7f\xC3\xA9\n"), std::string::npos);
  // The game's own texts, blanks and all, stand as they are, for a person to read.
  EXPECT_NE(text.find("\nRaceExplanation=" + state.RaceExplanation + "\n"), std::string::npos);
  EXPECT_TRUE(readSavedRun(text).state == state);
}

// A run kept by the first release, 1.0.0, far into the game (the docks fished, the camp
// searched, the basement's bomb set off), reads in this version and plays on exactly as 1.0.0
// played it on.
TEST(SavedRun, ARunKeptByTheFirstReleasePlaysOn) {
  MemoryStorage storage;
  storage.text = goldenText("run-kept-by-release-1-0-0");
  ASSERT_TRUE(storage.text);
  std::vector<std::string> notices;
  KeptRun keptRun(storage, [&notices](std::string_view notice) { notices.emplace_back(notice); });
  const std::string_view name = "run-kept-by-release-1-0-0-played-on";
  ScriptedInput input(playOf(*goldenText(name)).input, ScriptedInput::kLineByLine);
  CapturedOutput screen;
  input.onLine = [&screen](std::string_view line) { markOn(screen, answerMark(line)); };
  Console console(input, screen);
  RecordingPlatform platform;
  CLibraryRandom random(1721);  // as `quillmarrow --seed 1721` played it on
  EXPECT_EQ(runGame(console, random, platform, &keptRun), 0);
  EXPECT_EQ(notices, std::vector<std::string>{});
  expectGolden(name, screen.text());
}

// ---- Damage: nothing but a whole save of this version is ever trusted -----------------------

// The save with its lines edited: `from` replaced by `to`, then sealed with a new checksum.
std::string withLine(const std::string& text, std::string_view from, std::string_view to) {
  std::string lines = text.substr(0, text.rfind("Checksum="));
  const std::size_t at = lines.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  lines.replace(at, from.size(), to);
  return sealSavedRun(lines);
}

// The save with one variable's written value replaced.
std::string withValue(const std::string& text, std::string_view name, std::string_view value) {
  const std::string key = "\n" + std::string(name) + "=";
  const std::size_t start = text.find(key) + key.size();
  const std::string old = text.substr(start, text.find('\n', start) - start);
  return withLine(text, key + old + "\n", key + std::string(value) + "\n");
}

// The most a run can hold: every typed answer it keeps a whole input line long, every byte of
// it escaped (a name holds no control byte, but a backslash doubles).
TEST(SavedRun, TheLargestRunAPlayerCanTypeReadsBack) {
  GameState state = someKeptState();
  state.RaceChoice = state.Choice = std::string(Console::kMaxLineLength, '\x01');
  state.PlayerName = std::string(Console::kMaxLineLength, '\\');
  const std::string text = writeSavedRun(state);
  const SavedRun run = readSavedRun(text);
  ASSERT_EQ(run.status, SavedRun::Status::Whole) << run.problem;
  EXPECT_TRUE(run.state == state);
  EXPECT_LT(text.size(), kLargestSave);
}

// Damaged, not newer: a flipped bit in the version's digit must not keep the file for ever.
TEST(SavedRun, EveryFlippedBitAndEveryCutIsDamage) {
  const std::string text = writeSavedRun(someKeptState());
  for (std::size_t at = 0; at < text.size(); ++at) {
    for (const int bit : {0, 5}) {
      std::string flipped = text;
      flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
      EXPECT_EQ(readSavedRun(flipped).status, SavedRun::Status::Damaged) << "byte " << at;
    }
    EXPECT_EQ(readSavedRun(text.substr(0, at)).status, SavedRun::Status::Damaged) << at;
  }
}

TEST(SavedRun, RefusesWhatOrdinaryPlayNeverWrites) {
  const std::string text = writeSavedRun(someKeptState());
  const std::string gold = "\nPlayerGold=" + std::to_string(someKeptState().PlayerGold) + "\n";
  const std::string overlongName(Console::kMaxLineLength + 1, 'x');
  struct Case {
    std::string why;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"empty", ""},
      {"not a save", "PK\x03\x04 some archive\n"},
      {"no checksum", text.substr(0, text.rfind("Checksum="))},
      {"data after the checksum", text + "PlayerGold=1\n"},
      {"an unknown variable", withLine(text, gold, gold + "PlayerMana=3\n")},
      {"a variable twice", withLine(text, gold, gold + gold.substr(1))},
      {"a missing variable", withLine(text, gold, "\n")},
      {"a value out of range", withValue(text, "PlayerHealth", "51")},
      {"no health left", withValue(text, "PlayerHealth", "0")},
      {"a stage never reached", withValue(text, "HatchStage", "2")},
      {"a flag neither 0 nor 1", withValue(text, "HasMysteriousBook", "2")},
      {"a number with a sign", withValue(text, "PlayerHealth", "+5")},
      {"a number with a leading zero", withValue(text, "PlayerHealth", "05")},
      {"a number beyond int", withValue(text, "PlayerGold", "2147483648")},
      {"a line without =", withLine(text, gold, gold + "Gold\n")},
      {"an overlong line", withValue(text, "RaceChoice", std::string(20000, 'x'))},
      {"an answer with a blank", withValue(text, "RaceChoice", "a b")},
      {"an empty answer", withValue(text, "RaceChoice", "")},
      {"an escape never written", withValue(text, "RaceChoice", "\\n")},
      {"an escaped byte that needs none", withValue(text, "RaceChoice", "\\x41")},
      {"a control byte unescaped", withValue(text, "RaceChoice", "a\x01")},
      {"a weapon with another's action", withValue(text, "Weapon", "Wily Wand")},
      {"a home creation never draws", withValue(text, "PlaceFirstNumber", "5")},
      {"a race's stat out of its dice", withValue(text, "PlayerBrawn", "40")},
      {"a race beyond the last", withValue(text, "RaceNumber", "4")},
      {"a surname part beyond the last", withValue(text, "LastNameSecondNumber", "5")},
      {"a name longer than a line", withValue(text, "PlayerName", overlongName)},
      {"a name that would retitle the terminal",
       withValue(text, "PlayerName", "Evil\\x1b]0;PWNED\\x07\\x1b[31mRed")},
      {"carriage returns", sealSavedRun("Quillmarrow save 1\r\nPlayerGold=1\r\n")},
      {"larger than any save", text + std::string(kLargestSave, '\n')},
  };
  for (const Case& c : cases) {
    const SavedRun run = readSavedRun(c.text);
    EXPECT_EQ(run.status, SavedRun::Status::Damaged) << c.why;
    EXPECT_FALSE(run.problem.empty()) << c.why;
  }
  // A line that is wrong is named by its number, counted from 1 at the first line.
  const auto linesBeforeGold = std::count(text.begin(), text.begin() + text.find(gold) + 1, '\n');
  EXPECT_EQ(readSavedRun(withLine(text, gold, gold + "Gold\n")).problem,
            "line " + std::to_string(linesBeforeGold + 2) + " is not Name=value");
  EXPECT_EQ(readSavedRun(text + "PlayerGold=1\n").problem, "it holds more after its checksum line");
  // A save holding nothing but its first line and its checksum says what it lacks.
  const SavedRun bare = readSavedRun(sealSavedRun("Quillmarrow save 1\n"));
  EXPECT_NE(bare.problem.find("' is missing"), std::string::npos) << bare.problem;
  // Only a whole save of a newer version is left for that version; cut short, it is damage.
  const std::string newer = sealSavedRun("Quillmarrow save 2\nAnything=at all\n");
  EXPECT_EQ(readSavedRun(newer).status, SavedRun::Status::Newer);
  EXPECT_EQ(readSavedRun(newer.substr(0, newer.size() - 1)).status, SavedRun::Status::Damaged);
}

}  // namespace
}  // namespace qm::testing
