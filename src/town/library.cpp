#include <array>
#include <string>
#include <string_view>

#include "combat/fight.h"
#include "combat/fight_tables.h"
#include "core/dialogue.h"
#include "town/places.h"

namespace qm {

namespace {

constexpr std::array<std::string_view, 8> kBookTitles = {
    "Clothes of the Germ King by Mike Robe",
    "Don't Tread on Me by Amanda B. Reckoned With",
    "Explaining it Better by Clara Fye",
    "Gardening With the Ex-President by Rose Bush",
    "How to Draw by Ellis Straite",
    "Little Bitty Froggies by Ted Pole",
    "Signs by Bill Bored",
    "Something Fishy by Anne Chovy",
};

// The inventory box is 57 characters wide: a bar, 55 characters inside, a bar. Each title sits
// 8 blanks in, below an empty row.
constexpr std::size_t kBoxInside = 55;
constexpr std::size_t kTitleIndent = 8;

void printInventoryBox(Console& console) {
  console.line(std::string(kBoxInside + 2, '_'));
  const std::string emptyRow = "|" + std::string(kBoxInside, ' ') + "|";
  for (const std::string_view title : kBookTitles) {
    console.line(emptyRow);
    std::string row = std::string(kTitleIndent, ' ') + std::string(title);
    row.resize(kBoxInside, ' ');
    console.line("|", row, "|");
  }
  console.line("|", std::string(kBoxInside, '_'), "|");
}

void showInventory(Context& context) {
  Console& console = context.console;
  tell(console, {"\"Okay, we don't have much in the way of books\"",
                 "\"Here's a list of our inventory\"", kPause});
  printInventoryBox(console);
  tell(console, {kPause, "The librarian looks embarrassed!", kPause,
                 "\"I'm sorry, I must've misplaced the list.\"", kPause,
                 "Achievement get; \"Puns\"", kPause});
  context.state.AchievementPuns = 1;
}

// The overdue book comes alive; after the fight the librarian recognises the hand behind it.
void returnTheBook(Context& context) {
  stageFight(context, kPossessedBook, context.state.EnemyHealth);
  tell(context.console,
       {"The librarian looks at the book in distress!",
        "\"I sense something, a presence I've not felt in a long time...\"", kPause,
        "\"An old student of mine, Owen D. Banks, he went to the dark side of the library...\"",
        kPause, "\"You have to stop him, whatever he's doing, it is not good.\""});
  context.state.StrangerStage = kOwenRevealed;
}

char askLibrarian(Context& context) {
  const bool hasBook = context.state.HasMysteriousBook;
  context.console.print("I'd like to check out a book (B) ");
  if (hasBook) context.console.print("I'd like to return a book (R)");
  context.console.line(" No, thank you (N)");
  return ask(context, hasBook ? "BNR" : "BN");
}

}  // namespace

void visitLibrary(Context& context) {
  Console& console = context.console;
  const int hour = context.state.ClockHour;
  if (hour < 6 || hour >= 20) {
    console.line("The library is closed, please come back later");
    return;
  }
  console.line(
      "The library seems very old, but it looks like it's been taken care of over the years.");
  console.pause();
  console.line("The librarian looks up at you");
  console.line("She says \"Hello, is there anything I can help you with today?\"");
  while (true) {
    switch (askLibrarian(context)) {
      case 'B': showInventory(context); break;
      case 'R': returnTheBook(context); return;
      default:
        console.line("\"Oh\"");
        console.pause();
        return;
    }
  }
}

}  // namespace qm
