#include <array>
#include <string>
#include <string_view>

#include "core/console.h"
#include "core/dialogue.h"
#include "creation/steps.h"

namespace qm::creation {

namespace {

// The syllables of one race's names. First names 0..4 are male, 5..9 female.
struct NameTable {
  std::array<std::string_view, 10> first;
  std::array<std::string_view, 5> surnameFirst;
  std::array<std::string_view, 5> surnameSecond;
};

constexpr NameTable kLacertiNames = {
    {"Hammin", "Tammin", "Sammin", "Chammin", "Stammin", "Hannib", "Fannib", "Sannib", "Channib",
     "Stannib"},
    {"Rannib", "Kael", "Baur", "Muus", "Fael"},
    {"vaji", "givi", "virgi", "ilji", "angi"},
};

constexpr NameTable kHumanNames = {
    {"Bob", "Hansel", "David", "John", "Rupert", "Elisa", "Gretel", "Megan", "Emily", "Brittany"},
    {"Dragon-", "Spell-", "Jason-", "Dagger-", "Witch-"},
    {"Face", "Binder", "Bourne", "Man", "Slayer"},
};

constexpr NameTable kIlmungaeNames = {
    {"Bidus", "Trasus", "Fanus", "Kasus", "Na'abus", "Buldari", "Frasi", "Fani", "Kabi", "Na'abi"},
    {"Frost", "Peak", "Hill", "Snow", "Ice"},
    {"mover", "crusher", "breaker", "caster", "trapper"},
};

// Pears have no names of their own and borrow the Lacerti ones.
const NameTable& namesOf(const std::string& race) {
  if (race == "Human") return kHumanNames;
  if (race == "Ilmungae") return kIlmungaeNames;
  return kLacertiNames;
}

}  // namespace

void generateName(GameState& state) {
  const NameTable& names = namesOf(state.PlayerRace);
  state.PlayerFirstName = names.first.at(static_cast<std::size_t>(state.FirstNameNumber));
  state.PlayerLastNameFirst =
      names.surnameFirst.at(static_cast<std::size_t>(state.LastNameFirstNumber));
  state.PlayerLastNameSecond =
      names.surnameSecond.at(static_cast<std::size_t>(state.LastNameSecondNumber));
  state.PlayerName =
      state.PlayerFirstName + " " + state.PlayerLastNameFirst + state.PlayerLastNameSecond;
}

bool nameAsMade(const GameState& state) {
  const auto inRange = [](int number, int count) { return number >= 0 && number < count; };
  if (!inRange(state.FirstNameNumber, 10) || !inRange(state.LastNameFirstNumber, 5) ||
      !inRange(state.LastNameSecondNumber, 5)) {
    return false;
  }
  GameState made = state;
  generateName(made);
  // Any one word of an input line that shows as text.
  const bool typed = Console::isWord(state.PlayerName) && Console::showsAsText(state.PlayerName);
  return state.PlayerFirstName == made.PlayerFirstName &&
         state.PlayerLastNameFirst == made.PlayerLastNameFirst &&
         state.PlayerLastNameSecond == made.PlayerLastNameSecond &&
         (state.PlayerName == made.PlayerName || typed);
}

// A typed name is one word; anything typed after it on the line answers the next question. A
// word holding a control character (an escape sequence that would drive the terminal whenever the
// name is printed) is refused and the name asked for again.
namespace {
std::string writtenName(Console& console) {
  for (;;) {
    console.print("Okay, your name is; ");
    std::string name = console.readWord();
    if (Console::showsAsText(name)) return name;
    console.endOpenLine();
  }
}
}  // namespace

void settleName(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("Do you want a random name, or do you want to write your own?");
  if (menu(context, "I'd like to write it (W) You can write it (R)", "WR") == 'W') {
    state.PlayerName = writtenName(console);
  }
  console.pause();
  console.line("Your name is ", state.PlayerName, " and you're a ", state.PlayerRace);
  console.pause();
  console.line(state.RaceExplanation);
  console.pause();
}

}  // namespace qm::creation
