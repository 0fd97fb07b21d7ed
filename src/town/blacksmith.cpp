#include "combat/fight.h"
#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/places.h"

namespace qm {

namespace {

constexpr const char* kComesTo = "The blacksmith slowly comes to...";
constexpr const char* kSavedMyLife =
    "\"You saved my life! You can come back any time! I'll need lots of help fixing this place up!\"";

// The blacksmith's thanks move his mood in steps of this size; 10 or more is friendly.
constexpr int kGratitude = 10;
constexpr int kFriendly = 10;

// The two actions that beat the fire: the fire goes out and the blacksmith owes the player.
constexpr Script kSuggestionPutsItOut = {
    "You raise your hand in the air, and make the special sign, the smoke dies down, and the fire quickly does too...",
    kPause, "There's more to this fire than meets the eye...", kComesTo, kSavedMyLife};
constexpr Script kBashPutsItOut = {
    "You hold tightly onto your shield and run straight into the smoke! You hit the wall, and fall backwards!",
    kPause,
    "You scramble to get on your feet, but the fire stops, and the smoke clears up! I can't believe that worked!",
    kComesTo, kSavedMyLife};

void putOutTheFire(Fight& fight, const Script& lines) {
  tell(fight.console(), lines);
  fight.enemyHealth() = 0;  // the fire is the fight's counter
  add(fight.state().BlacksmithMood, kGratitude);
}

void putOutBySuggestion(Fight& fight) {
  putOutTheFire(fight, kSuggestionPutsItOut);
}

void putOutByBash(Fight& fight) {
  putOutTheFire(fight, kBashPutsItOut);
}

// Going back into the smoke is a single player's turn of the round model against the fire, with no
// attack roll and nothing hitting back: the primary actions only flail at the smoke.
constexpr FightTable kFire = {
    .stab =
        Deed{
            .lines =
                {"You take out your dagger, and slash blindly into the smoke! You don't hear anything, maybe that wasn't the best idea...!"}},
    .magicMissile =
        Deed{
            .lines =
                {"You toss an arcane projectile into the grey beyond... You hear it sizzle, maybe that wasn't the best idea..."}},
    .slash =
        Deed{
            .lines =
                {"You swing your sword blindly into the smoke... You don't hear anything, maybe that wasn't the best idea..."}},
    .shoot =
        Deed{
            .lines =
                {"You pull out your bow and shoot blindly into the smoke... You don't hear anything, maybe that wasn't the best idea... "}},
    .pickpocket =
        Deed{
            .lines =
                {"You rifle around in the soot, and accidentaly burn yourself on a hot metal rod!"},
            .effect = {.playerLoses = 5}},
    .suggestion = Special{putOutBySuggestion},
    .bash = Special{putOutByBash},
    .tame =
        Deed{
            .lines =
                {"You pull one of the stones out of the wall, and start bashing it against the wall making rock noises.",
                 kPause, "You look like an idiot!"}},
    .apples =
        Deed{
            .lines =
                {"You toss the apples into the flames, and a sweet, crisp, scent wafts over the building.",
                 kPause, "Well, at least they'll be cooked..."}},
};

void runForHelp(Context& context) {
  tell(
      context.console,
      {"You leave the blacksmith there, and run around the town yelling \"Fire! Fire! Help! Fire!\"",
       kPause,
       "A sailor runs out of The Soggy Shrimp, drink in hand, and makes a beeline for the Blacksmith's",
       kPause,
       "You and him quickly make it back in time, and he races inside the smoke-filled room! You here a little splash, and the smoke starts to die down...",
       kPause,
       "He walks out of the shop, and starts walking back to the inn, behind you, you hear \"Oi, you owe me a drink bub!\""});
  context.state.BlacksmithFire = 0;
}

// The kiss of life is welcome from a woman and an outrage from a man.
void tryCpr(Context& context) {
  GameState& state = context.state;
  tell(context.console, {"The blacksmith comes to!", "\"HEY! GETOFFME!\"", kPause});
  if (isFemale(state)) {
    tell(
        context.console,
        {"\"it's not everyday I wake up to a beautiful lady like you!\"", kPause,
         "\"You saved my life! You can come back any time! I'll need lots of help fixing this place up, if you know what I mean!\""});
    add(state.BlacksmithMood, kGratitude);
  } else {
    tell(context.console, {"\"Ugh! What the heck! Get out of here you crazy bum!\"", kPause});
    subtract(state.BlacksmithMood, kGratitude);
  }
}

void reviveTheBlacksmith(Context& context) {
  tell(
      context.console,
      {kPause,
       "The fire's gone out completely now, and you can make out an anvil, bellows, and a couple horseshoes lying around",
       kPause, "Outside, the blacksmith starts coughing violently!"});
  if (menu(context, "Wait (W) Try CPR (C)", "WC") == 'C') {
    tryCpr(context);
    return;
  }
  tell(context.console, {kComesTo, kSavedMyLife});
  add(context.state.BlacksmithMood, kGratitude);
}

// The shop burns at any hour, and the player cannot leave before the fire is out.
void fightTheFire(Context& context) {
  GameState& state = context.state;
  tell(
      context.console,
      {"You enter it, and your nostrils are quickly filled with smoke! The blacksmith's shop is on fire!",
       kPause, "You scramble around in the smoke trying to find your bearings...", kPause,
       "You find somebody. and drag him out of the smoke, you rub the soot out of your eyes, he has a big bushy beard, and he's wearing an apron, and he's clutching a huge hammer,",
       kPause});
  while (state.BlacksmithFire > 0) {
    const char letter = menu(
        context,
        "Rush back into the fire and try to put it out (R) Go get help, and a doctor for the blacksmith (G)",
        "RG");
    if (letter == 'R') {
      Fight(context, kFire, state.BlacksmithFire).playerTurn();
    } else {
      runForHelp(context);
    }
  }
  reviveTheBlacksmith(context);
}

void sweepTheShop(Context& context) {
  GameState& state = context.state;
  tell(context.console,
       {"\"Alright-y! Heres a broom, get sweeping!", kPause,
        "You spend the next couple hours sweeping debris off the cobble floor", kPause,
        "\"Excellent work! Here's ten gold, don't spend it all in one place.\""});
  add(state.PlayerGold, 10);
  add(state.BlacksmithMood, 1);
  addHours(state, 3);
}

// After the fire the shop keeps hours. Only a grateful blacksmith has work; moods from 1 to 9
// never come about (the fire moves the mood in tens), and would count as ungrateful.
void visitRepairedShop(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.ClockHour < 5 || state.ClockHour > 20) {
    console.line("The blacksmith's isn't open yet, come back later");
    return;
  }
  if (state.BlacksmithMood < kFriendly) {
    console.line("The blacksmith doesn't look too happy...");
    console.line("\"What are YOU doing back here?!?! Get out before I throw you out!");
    return;
  }
  console.line(
      "You enter the slightly charred building and are greeted by the helpful blacksmith!");
  console.line("\"Hey! Nice to see you back here again! Did you come back to help me?\"");
  if (menu(context, "Sure (S) Sorry, I'm a bit busy (B) ", "SB") == 'S') {
    sweepTheShop(context);
  } else {
    console.line("\"Oh well, I hope I see you again soon!\"");
  }
}

}  // namespace

void visitBlacksmith(Context& context) {
  tell(
      context.console,
      {"The blacksmith's shop is a small stone building, with a big chimney that's billowing smoke.",
       kPause});
  if (context.state.BlacksmithFire >= 1) {
    fightTheFire(context);
  } else {
    visitRepairedShop(context);
  }
}

}  // namespace qm
