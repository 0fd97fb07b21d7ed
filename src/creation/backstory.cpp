#include <array>
#include <string_view>

#include "creation/steps.h"

namespace qm::creation {

namespace {

// A home place is two parts joined with nothing between them; the Ilmungae second parts bring
// their own leading blank.
struct PlaceTable {
  std::array<std::string_view, 5> first;
  std::array<std::string_view, 5> second;
};

constexpr PlaceTable kHumanPlaces = {
    {"Stock", "Wash", "Hots", "Flags", "Main"},
    {"holm", "burne", "ton", "ville", "land"},
};

constexpr PlaceTable kIlmungaePlaces = {
    {"Cave of", "Cavern of", "Peak of", "Gulch of", "Mountain of"},
    {" Seven Waters", " Frosted Falls", " Purple Snow", " Chilly Arms", " Sorrows"},
};

constexpr PlaceTable kLacertiPlaces = {
    {"Blade", "Dagger", "Knife", "Sword", "Sheath"},
    {"spire", "citadel", "valley", "hill", "fury"},
};

// Pears grow on trees, so every Pear comes from the orchard, whatever the draws gave. The two
// parts still make up the place, so the backstory never shows an empty one.
constexpr std::string_view kPearHomeFirst = "the Old";
constexpr std::string_view kPearHomeSecond = " Orchard";

const PlaceTable* placesOf(const std::string& race) {
  if (race == "Human") return &kHumanPlaces;
  if (race == "Ilmungae") return &kIlmungaePlaces;
  if (race == "Lacerti") return &kLacertiPlaces;
  return nullptr;
}

std::string eventClause(int number, const std::string& he, const std::string& his) {
  switch (number) {
    case 0: return he + " lost " + his + " leg to a mischievous whale";
    case 1: return he + " left the king's army";
    case 2: return he + " accidentally ran over the royal princess";
    case 3: return he + " gained magical powers after a carriage accident";
    default: return he + " failed " + his + " knight entrance exam";
  }
}

void settleHomePlace(GameState& state) {
  if (const PlaceTable* places = placesOf(state.PlayerRace)) {
    state.PlaceFirst = places->first.at(static_cast<std::size_t>(state.PlaceFirstNumber));
    state.PlaceSecond = places->second.at(static_cast<std::size_t>(state.PlaceSecondNumber));
  } else {
    state.PlaceFirst = kPearHomeFirst;
    state.PlaceSecond = kPearHomeSecond;
  }
  state.Place = state.PlaceFirst + state.PlaceSecond;
}

}  // namespace

// Drawn right after the generated name; both parts are drawn for every race, the Pear too.
void drawHomePlace(Context& context) {
  GameState& state = context.state;
  state.PlaceFirstNumber = context.random.draw(5);
  state.PlaceSecondNumber = context.random.draw(5);
  settleHomePlace(state);
}

void drawEvent(Context& context) {
  GameState& state = context.state;
  state.EventNumber = context.random.draw(5);
  state.Event = eventClause(state.EventNumber, state.PronounFirst, state.Pronoun);
}

bool backstoryAsMade(const GameState& state) {
  const auto inRange = [](int number) { return number >= 0 && number < 5; };
  if (!inRange(state.PlaceFirstNumber) || !inRange(state.PlaceSecondNumber) ||
      !inRange(state.EventNumber)) {
    return false;
  }
  GameState made = state;
  settleHomePlace(made);
  return state.PlaceFirst == made.PlaceFirst && state.PlaceSecond == made.PlaceSecond &&
         state.Place == made.Place &&
         state.Event == eventClause(state.EventNumber, state.PronounFirst, state.Pronoun);
}

// The age is drawn as the sentence is printed and kept nowhere. The article is always "a", even
// before a vowel.
void showBackstory(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  const int age = context.random.draw(28, 2);
  console.line(state.PlayerName, " is a ", state.PlayerRace, " ", state.PlayerClass, " from ",
               state.Place, ".  When ", state.PronounFirst, " was ", age, " years old ",
               state.Event, ". ");
  console.line();
  console.pause();
}

}  // namespace qm::creation
