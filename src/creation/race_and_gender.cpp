#include <array>
#include <string_view>

#include "core/counters.h"
#include "core/dialogue.h"
#include "creation/steps.h"

namespace qm::creation {

namespace {

struct Race {
  std::string_view name;
  int strength;
  int intellect;
  int brawn;
  std::string_view explanation;  // shown after the name
};

// Indexed by RaceNumber. The Pear is never offered, but "P" at the race menu picks it.
constexpr std::array<Race, 4> kRaces = {{
    {"Human", 1, 0, 1,
     "Man is a race of seafaring pirates and raiders. They excell at fighting, and love alcohol."},
    {"Lacerti", 2, -1, 1,
     "The Lacerti are a warrior-race of lizard like humanoids, who wear tribal paint and follow a strict code of honor. They aren't the smartest but they are very strong."},
    {"Ilmungae", -1, 2, 1,
     "The Ilmungae are a race of ancient snow-monsters, they have huge ivory tusks inscribed with mystic runes.  Over the years their complex intelligence has gradually driven most of their race insane. They are typically very intelligent. "},
    {"Pear", 0, 0, 0,
     "Pears fell out of the sky when a careless giant tripped over a cloud with his fruit basket; they are green and delicious, they get no bonus to stats but they taste delicious, and their racial trait is Denfensive Maunevers."},
}};

constexpr int kHuman = 0;
constexpr int kLacerti = 1;
constexpr int kIlmungae = 2;
constexpr int kPear = 3;

// The longer explanations of the three offered races, shown on "E".
void explainRaces(Console& console) {
  tell(
      console,
      {"Man is a race of seafaring pirates and raiders. They excell at fighting, and love alcohol.",
       kPause,
       "The Lacerti are a warrior-race of lizard like humanoids, who wear tribal paint and follow a strict code of honor.  They are typically stronger, but not quite as smart",
       kPause,
       "The Ilmungae are a race of ancient snow-monsters, they have huge ivory tusks inscribed with mystic runes.  Over the years their complex intelligence has gradually driven most of their race insane. They are usually smarter, but not as strong.",
       kPause});
}

// A random race is one of the three offered ones, never the Pear.
int randomRace(Context& context) {
  return context.random.draw(3);
}

int raceOfLetter(char letter) {
  switch (letter) {
    case 'L': return kLacerti;
    case 'I': return kIlmungae;
    case 'P': return kPear;
    default: return kHuman;  // "M": Man, stored as Human
  }
}

}  // namespace

void chooseRace(Context& context) {
  while (true) {
    tell(context.console, {"", "First, we're going to pick your race...", "",
                           "Do you want to choose a race, or do you want a random race?"});
    if (askRepeating(context, "C for Choose, and R for random", "CR") == 'R') {
      context.state.RaceNumber = randomRace(context);
      return;
    }
    const char letter = menu(
        context,
        "Man (M), Lacerti (L), Ilmungae (I), Random (R), or would you like a better explantion (E) of the races?",
        "MPLIER");
    if (letter == 'E') {
      explainRaces(context.console);
      continue;
    }
    context.state.RaceNumber = letter == 'R' ? randomRace(context) : raceOfLetter(letter);
    return;
  }
}

// The three name indices are drawn before the question; a chosen gender draws the first name
// again from its half of the table, "you decide" keeps the first draw.
void chooseGender(Context& context) {
  GameState& state = context.state;
  state.LastNameSecondNumber = context.random.draw(5);
  state.FirstNameNumber = context.random.draw(10);
  state.LastNameFirstNumber = context.random.draw(5);
  context.console.line("Now, pick your gender!");
  const char gender = menu(context, "Male <M> Female <F> Uhhh, you decide <R>", "MFR");
  if (gender == 'M') state.FirstNameNumber = context.random.draw(5);
  if (gender == 'F') state.FirstNameNumber = context.random.draw(5, 5);
}

void applyRace(GameState& state) {
  const Race& race = kRaces.at(static_cast<std::size_t>(state.RaceNumber));
  state.PlayerRace = race.name;
  state.RaceExplanation = race.explanation;
  add(state.PlayerStrength, race.strength);
  add(state.PlayerIntellect, race.intellect);
  add(state.PlayerBrawn, race.brawn);
}

bool raceAsMade(const GameState& state) {
  if (state.RaceNumber < 0 || state.RaceNumber >= static_cast<int>(kRaces.size())) return false;
  if (state.FirstNameNumber < 0 || state.FirstNameNumber > 9) return false;
  const Race& race = kRaces.at(static_cast<std::size_t>(state.RaceNumber));
  // Each stat is two dice, 2 to 12, and the race's bonus.
  const auto rolled = [](int stat, int bonus) {
    const long long dice = static_cast<long long>(stat) - bonus;
    return dice >= 2 && dice <= 12;
  };
  GameState made = state;
  setPronouns(made);
  return state.PlayerRace == race.name && state.RaceExplanation == race.explanation &&
         rolled(state.PlayerStrength, race.strength) &&
         rolled(state.PlayerIntellect, race.intellect) && rolled(state.PlayerBrawn, race.brawn) &&
         state.Pronoun == made.Pronoun && state.PronounFirst == made.PronounFirst;
}

void setPronouns(GameState& state) {
  const bool female = state.FirstNameNumber >= 5;
  state.Pronoun = female ? "her" : "his";
  state.PronounFirst = female ? "she" : "he";
}

}  // namespace qm::creation
