#include <algorithm>
#include <array>
#include <string_view>

#include "core/dialogue.h"
#include "core/weapons.h"
#include "creation/dice_prompt.h"
#include "creation/steps.h"

namespace qm::creation {

namespace {

// How a stat reads: below 5 low, 5 to 7 middling, 8 and above high.
struct StatWords {
  std::string_view low;
  std::string_view middling;
  std::string_view high;
};

constexpr StatWords kStrengthWords = {"You're pretty weak", "You're pretty strong",
                                      "You're very strong"};
constexpr StatWords kIntellectWords = {", as a dumb as a doorknob", ", you're kinda smart",
                                       ", but you're really smart"};
constexpr StatWords kBrawnWords = {", and really scrawny.", ", and pretty brawny",
                                   ", and really buff"};

std::string_view describe(int stat, const StatWords& words) {
  if (stat < 5) return words.low;
  if (stat < 8) return words.middling;
  return words.high;
}

bool asksWhatTheyMean(Context& context, std::string_view options) {
  return menu(context, options, "IH") == 'H';
}

// The words are never explained: every "H" only gets a louder answer, and the third earns an
// achievement.
void joke(Context& context) {
  Console& console = context.console;
  if (!asksWhatTheyMean(context, "I get it (I) Huh? What do those mean? (H)")) return;
  tell(
      console,
      {"Haha, okay, you probably haven't played since the original game!",
       " Our players didn't like all the numbers, so we tore the game down, and rebuilt it from the ground up!",
       ""});
  if (!asksWhatTheyMean(context, "I get it (I) Sorry, I can't hear you, what was that? (H)"))
    return;
  tell(console, {"HAHA, OKAY, YOU PROBABLY HAVEN'T PLAYED SINCE THE ORIGINAL GAME!",
                 " Whoah. I'm outta breath... ", ""});
  if (!asksWhatTheyMean(context, "I get it (I) Speak up please! (H)")) return;
  tell(console, {"Get out dude, just get out.", kPause, "Achievement get! Most Annoying Player."});
  context.state.AchievementAnnoying = 1;
}

// Every line whose test holds is printed, so a tie can recommend two classes.
void recommendClass(Console& console, const GameState& state) {
  const int s = state.PlayerStrength;
  const int i = state.PlayerIntellect;
  const int b = state.PlayerBrawn;
  if (s > i && s > b) console.line("I think you should pick Thief");
  if (i > s && i > b) console.line("You'd make a nice Wizard");
  if (b > i && b > s) console.line("I think you'd make a pretty good Knight");
  if (b == i || b == s || (i == s && b < i)) {
    console.line("I guess you're pretty well rounded, you could be a Hunter");
  }
}

void explainClasses(Console& console) {
  tell(
      console,
      {"Sure, coming right up!", kPause,
       "Thieves need to be strong, they attack with their daggers (Stab) , they can also use their rougish skills to pick locks and pickpocket certain characters (Theivery) They also gain a bonus to sneaking.",
       kPause,
       "Wizards need to be smart, they have a couple spells, (Magic Missile) shoots an arcane projectile at the enemy, and (Suggestion) can influence weak minded vendors. They also gain a bonus to read characters.",
       kPause,
       "Knights need to be buff, they can attack with their sword (Slash), or use their shield to knock over doors and enemies (Bash) They get a bonus to intimidating characters.",
       kPause,
       "Hunters are well rounded, they can shoot with their bow (Shoot), or use their taming skills to make beasts surrender (Tame) They get a bonus to avoiding and getting out of traps."});
}

// A class: its weapon brings the fight action (1), and the class its own action (2).
struct CharacterClass {
  char letter;
  std::string_view name;
  Weapon weapon;
  std::string_view secondaryAbility;
};

constexpr std::array<CharacterClass, 4> kClasses = {{
    {'T', "Thief", kDeadlyDagger, "Pickpocket"},
    {'W', "Wizard", kWickedWand, "Suggestion"},
    {'K', "Knight", kSharpSword, "Bash"},
    {'H', "Hunter", kBendyBow, "Tame"},
}};

void takeClass(GameState& state, char letter) {
  for (const CharacterClass& option : kClasses) {
    if (option.letter != letter) continue;
    state.PlayerClass = option.name;
    equip(state, option.weapon);
    state.SecondaryAbility = option.secondaryAbility;
  }
}

}  // namespace

// The stats were rolled at start-up; the dice prompt only makes a show of it.
void describeStats(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"Now it's time to choose your class!", kPause, "Roll for stats!"});
  dicePrompt(context);
  console.line(describe(state.PlayerStrength, kStrengthWords),
               describe(state.PlayerIntellect, kIntellectWords),
               describe(state.PlayerBrawn, kBrawnWords));
  joke(context);
}

// "Y" explains the classes as often as asked; the menu itself is not shown again.
void chooseClass(Context& context) {
  Console& console = context.console;
  console.pause();
  console.line("Now pick your class");
  console.line("Thief (T) Wizard (W) Knight (K) Hunter (H) What do they do (Y)? ");
  recommendClass(console, context.state);
  char letter = ask(context, "YTWKH");
  while (letter == 'Y') {
    explainClasses(console);
    letter = ask(context, "YTWKH");
  }
  takeClass(context.state, letter);
}

bool classAsMade(const GameState& state) {
  return std::any_of(kClasses.begin(), kClasses.end(), [&state](const CharacterClass& option) {
    return state.PlayerClass == option.name && state.SecondaryAbility == option.secondaryAbility;
  });
}

}  // namespace qm::creation
