#include <array>

#include "combat/fight.h"
#include "combat/fight_tables.h"
#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/places.h"

namespace qm {

namespace {

constexpr int kLateHour = 20;
constexpr int kTellingIntellect = 5;
constexpr int kReward = 100;

// One place of the ruined camp: what the search finds, and the clue a sharp mind draws from it
// (nullptr where the finding speaks for itself).
struct SearchPlace {
  char letter;
  int GameState::*searched;
  Script finding;
  const char* telling = nullptr;
  const char* puzzled = nullptr;
};

constexpr std::array<SearchPlace, 3> kPlaces = {{
    {.letter = 'M',
     .searched = &GameState::MessTentSearched,
     .finding =
         {"You cautiously scramble through the rubble to the mess tent",
          "it's collapsed completely, but there's a huge hole in the tent...", kPause,
          "You lift the ripped canvas up, and crawl into the abyss", kPause,
          "You feel around for a while, but you can't seem to find anything at all, just a couple empty plates."},
     .telling = "That's strange, you'd think they'd have leftovers...",
     .puzzled = "You can't discern anything from these clues"},
    {.letter = 'Q',
     .searched = &GameState::QuartersSearched,
     .finding = {"The crew's quarters is at the edge of the camp, it's also been torn through...",
                 kPause, "You look inside a couple of the tents, but nothing jumps out at you.",
                 kPause, "But leaving the tents you notice a strange footprint in the dirt"},
     .telling = "You can clearly make out a claw print, we have a big problem on our hands...",
     .puzzled = "Uh oh, you're not sure what to think, but you've got a bad feeling about it"},
    {.letter = 'T',
     .searched = &GameState::AnimalTentsSearched,
     .finding =
         {"The animal's tents have been destroyed completely!", kPause,
          "There's splatters of blood here, and definite signs of a struggle.", kPause,
          "The canvas of the tents is ripped to shreds, and there are no animals to be found"}},
}};

bool allCluesFound(const GameState& state) {
  for (const SearchPlace& place : kPlaces) {
    if (state.*place.searched != 1) return false;
  }
  return true;
}

// A place may be searched again: it costs the hour and finds the same.
void searchOnePlace(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("Where do you want to search for clues?");
  const char letter =
      menu(context, "The mess tent (M) The crew's quarters (Q) The animal tents (T)", "MQT");
  for (const SearchPlace& place : kPlaces) {
    if (place.letter != letter) continue;
    tell(console, place.finding);
    if (place.telling) {
      console.line(state.PlayerIntellect >= kTellingIntellect ? place.telling : place.puzzled);
    }
    state.*place.searched = 1;
  }
  addHours(state, 1);
}

enum class Conclusion { QuestSettled, BackToSearching };

Conclusion concludeFromTheClues(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("Looking at the clues closely, you can come up with only one conclusion...");
  switch (menu(
      context,
      "They were murdered in their sleep by a band of roving bandits (B) They were carried off in the night by a giant monster (M) Aliens! (A)",
      "BMA")) {
    case 'B':
      console.line(
          "If that's true, they've probably moved onto the next town now. Oh well, I guess there's nothing we can do now...");
      state.CircusStage = kCircusNoJob;
      return Conclusion::QuestSettled;
    case 'M':
      // The option line stands without a question: the cave is found either way.
      tell(
          console,
          {"I think you've got it right! But where'd the monster go?",
           "I'm going to keep looking for clues (C) I'll come back to this later (L)",
           "You continue to search around the ruined campsite, and you suddenly remember that the camp was built right by a cave! That's probably where the monster came from.",
           "Mysterious cave unlocked! When you're ready to check it out come back here."});
      state.CaveUnlocked = 1;
      return Conclusion::QuestSettled;
    default:
      // Left open: the search question carries on the same line.
      console.print("This just doesn't feel right, you should go back to searching for clues");
      for (const SearchPlace& place : kPlaces)
        state.*place.searched = 0;
      return Conclusion::BackToSearching;
  }
}

// Searches until every place is done or the day is: the clock is not wrapped here, so any hour
// past 23 is late too. After the aliens the search question comes at once, whatever the hour.
void lookForClues(Context& context) {
  while (true) {
    if (context.state.ClockHour >= kLateHour) {
      context.console.line(
          "Its starting to get late, and you make out anything, you should come back tommorow");
      return;
    }
    if (allCluesFound(context.state)) {
      if (concludeFromTheClues(context) == Conclusion::QuestSettled) return;
    }
    searchOnePlace(context);
  }
}

void enterTheCave(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  addHours(state, 1);
  tell(
      console,
      {"You enter the cave, its very dark, and you can barely see anything",
       "In the middle of the cave there's a giant dinosaur! it looks like he's preparing to eat the circus performers who are huddled in the corner of the cave!",
       kPause});
  stageFight(context, kCaveDinosaur, state.DinosaurHealth);
  tell(console, {"The circus people cheer!", kPause, "Dr. Flashypants comes up to you happily",
                 "\"Thanks adventurer! Here take this!\""});
  add(state.PlayerGold, kReward);
  console.line("He hands you a big bag of gold, you now have ", state.PlayerGold, " gold!");
  console.pause();
  state.CircusStage = kCircusNoJob;
}

}  // namespace

void visitCircusCamp(Context& context) {
  Console& console = context.console;
  addHours(context.state, 1);
  console.line("You travel to the north of the town, to the camp by the cave");
  if (context.state.CaveUnlocked == 1) {
    console.line("Are you ready to check out the cave?");
    if (menu(context, "Sure (S) No (N)", "SN") == 'N') {
      console.line("Okay");
      return;
    }
    enterTheCave(context);
    return;
  }
  tell(
      console,
      {kPause,
       "You quickly arrive at the carnie's camp, but it's in shambles! The entire camp has been ripped to shreds, and there's no one to be found..."});
  if (menu(context, "I'm going to look for clues (C) Uhhh, this is scary, I want to leave (L)",
           "CL") == 'L') {
    console.line("Pfft, chicken.");
    return;
  }
  lookForClues(context);
}

}  // namespace qm
