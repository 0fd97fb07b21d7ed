#include "town/soggy_shrimp.h"

#include <algorithm>
#include <string>

#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/hideout.h"
#include "town/inn_robbery.h"

namespace qm {

namespace {

constexpr int kDrinkHours = 3;
constexpr int kAlePrice = 2;
constexpr int kRoomPrice = 10;
constexpr int kNightHealing = 10;
constexpr int kMorningHour = 5;
constexpr int kWaterDamage = 4;

char askAtPub(Context& context) {
  Console& console = context.console;
  const int stage = context.state.StrangerStage;
  std::string letters = "DRSL";
  console.line("What do you want to do?");
  console.print("Get a drink (D) Get a room for the night (R) Rob this joint (S)");
  if (stage == kStrangerWaiting) {
    console.print(" Find the mysterious stranger (F)");
    letters += 'F';
  }
  if (stage == kHideoutFound || stage == kOwenRevealed) {
    console.print(" Go to hideout (H)");
    letters += 'H';
  }
  console.line(" Leave (L)");
  return ask(context, letters);
}

void hearTheSailorsTale(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"\"It all st-arrr-ted on my first ocean voyage...\"", kPause,
       "\"I was but a wee lad of sixteen\"", kPause, "\"Me cappin told me to scrub the deck\"",
       kPause,
       "\"An' then a six-headed shark-o-dile jumped outta tha' water, and split the ship in two!\"",
       kPause, "\" I be searchin' for it all me life. \"", kPause,
       "\"Can ye help me? I think I've foun' where he be hidn'\""});
  if (menu(context, "Sure (S) What are you nuts?! (N)", "SN") == 'N') {
    tell(console, {"\"Aye, that's how many people respond.  I'll see you 'round then.\"",
                   "The old man walks away..."});
    return;
  }
  tell(console, {"\"Haha! I knew you'd be up fore it!\"", kPause,
                 "\"Meet me at the docks tommorow, on my lil' dinghy, then we'll set sail!\""});
  context.state.OldManStage = kOldManWaiting;
}

// The old sailor buys the drink; whoever hears him out is asked to help hunt his sea monster.
void meetTheOldSailor(Context& context) {
  Console& console = context.console;
  tell(console, {"You walk up to the bar, and a sullen, older looking sailor approaches you...",
                 "He says; \"Drinks on me,\"", kPause});
  if (menu(context, "Hey thanks mister (M) What's the catch? (C)", "MC") == 'M') {
    tell(console, {"\"No problem.\"", kPause});
  } else {
    tell(console,
         {"\"You gotta' listen to an old man's fishing stories... Hahahahaha\"", "Creepy..."});
    if (menu(context, "Sure, I'm up for that (S) I don't have time for that. (I)", "SI") == 'I') {
      console.line("\"Alright.\"");
      return;
    }
    console.pause();
  }
  hearTheSailorsTale(context);
}

// The drunk at the dartboard always splits the player's dart, and losing is what brings the
// mysterious stranger: the quest starts over from here whatever stage it had reached.
void playDarts(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"One of bar-goers is trying his hand at darts...", kPause,
                 "He isn't doing very well...", "\"Oi, I be'ght I ca' split one yer' darts\"",
                 kPause, "\"If' i wi' you gotta join mah' band of adventurers...\"", kPause,
                 "\"Auf i don't mak it, *buuuurpppp* yu ge' everything I own!\""});
  if (menu(context, "Challenge him (C) Leave that dude alone (D)", "CD") == 'D') return;
  console.print("You go first, ");
  console.line(state.PlayerStrength >= 7 ? " you almost hit the bullseye! Yes!"
                                         : " you hit the top of the board");
  tell(console, {"He loosens up,", kPause, "Sizes up the board...", kPause, "And throws the dart!",
                 kPause, "It goes barrelling through the air and splits your dart in half!", kPause,
                 "Suddenly the man sobers up... \"Meet me out back\"", kPause});
  state.StrangerStage = kStrangerWaiting;
}

void orderAnAle(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("The bartender says to you \"Ye' it'll be 2 gold\"");
  console.line("Sure (S) I'm good (G) You have ", state.PlayerGold, " gold");
  if (ask(context, "SG") == 'G') return;
  if (state.PlayerGold < kAlePrice) {
    console.line("You don't have enough gold");
    return;
  }
  subtract(state.PlayerGold, kAlePrice);
  tell(console, {"It's pretty strong ale...", kPause});
  const bool stomachsIt = state.PlayerBrawn > 7 || state.PlayerRace == "Human";
  console.line(stomachsIt ? "But you stomach it" : "You throw up all over the bar!");
  console.pause();
  playDarts(context);
}

// The hours pass whether or not a drink is had: the sailor until his offer is taken, then ale.
void getADrink(Context& context) {
  addHours(context.state, kDrinkHours);
  if (context.state.OldManStage != kOldManWaiting) {
    meetTheOldSailor(context);
  } else {
    orderAnAle(context);
  }
}

// Most nights heal up to full health; a brawl in the bar now and then keeps the player awake.
void sleepTheNight(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  state.Roll = context.random.draw(20, 1);
  if (state.Roll <= 15) {
    console.line("You have a good night's sleep!");
    if (state.PlayerHealth < kFullHealth) {
      console.line("You regain some health!");
      state.PlayerHealth = std::min(sum(state.PlayerHealth, kNightHealing), kFullHealth);
    }
  } else {
    console.line(
        "The bar is a complete mess! Overnight there was a huge brawl, and you got no sleep!");
  }
  state.ClockHour = kMorningHour;
}

void rentARoom(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("\"That'll b 10 guld coins plz\"");
  const bool canPay = state.PlayerGold >= kRoomPrice;
  if (canPay) console.print("Sure (S) ");
  console.line("Nope (N)");
  if (ask(context, canPay ? "SN" : "N") == 'N') {
    console.line("\"Aight\"");
    return;
  }
  console.line("\"Shure, folla' meh  sir \"");
  subtract(state.PlayerGold, kRoomPrice);
  tell(console, {kPause, "\"Alright, root here...\"", kPause});
  sleepTheNight(context);
}

// The water does not kill on the spot: the hub's health check ends the game if it must.
void getThrownIntoTheWater(Context& context) {
  tell(context.console,
       {"\"They don't look very intimidated by you...\"", kPause,
        "A huge mob of sailors picks you up, and tosses you out of the bar, and into the water!"});
  subtract(context.state.PlayerHealth, kWaterDamage);
}

// The patron's roll runs from 10 to 29, so he always lets it go; the pockets yield nothing.
void pickPockets(Context& context) {
  Console& console = context.console;
  tell(console,
       {"You walk through the place, feeling patrons for gold", kPause,
        "Uh oh you felt the wrong pair of pants...", kPause, "\"Oi ah wha' yo doin' m8\""});
  context.state.Roll = context.random.draw(20, 10);
  tell(console, {kPause, "\"Is alrit, don do agun\""});
}

Next robTheJoint(Context& context) {
  if (picksPockets(context)) {
    pickPockets(context);
    return Next::Stay;
  }
  getThrownIntoTheWater(context);
  return Next::BackToHub;
}

// Out back the darts player waits, sober, and takes the player below the pub.
void findTheStranger(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"You head behind the inn, the alley is suprisingly clean...", kPause,
       "Out of the corner of your eye, you see a shadow...", kPause,
       "You spin around, and standing behind you is the mysterious stranger in a green hooded robe.",
       kPause, "\"Don't worry, you're not the first to fall for that trick\""});
  if (menu(context, "Huh? (H) I knew you weren't drunk (D)", "HD") == 'D') {
    console.line("\"Hah, you won't be so smug later!\"");
  } else {
    console.line("\"Don't worry about it\"");
  }
  tell(
      console,
      {"\"Right this way to the secret hideout...\"", kPause,
       "He taps on the trash can three times and it rolls back, revealing a hidden passage leading below the inn."});
  if (context.state.HatchStage == kHatchBlownUp) console.line("Do all inns have this?!?");
  context.state.StrangerStage = kHideoutFound;
  enterHideout(context);
}

Next doAtPub(Context& context, char choice) {
  switch (choice) {
    case 'D': getADrink(context); return Next::Stay;
    case 'R': rentARoom(context); return Next::Stay;
    case 'S': return robTheJoint(context);
    case 'F': findTheStranger(context); return Next::BackToHub;
    case 'H': enterHideout(context); return Next::BackToHub;
    default: return Next::BackToHub;
  }
}

}  // namespace

void visitSoggyShrimp(Context& context) {
  tell(
      context.console,
      {"The Soggy Shrimp is the town's local rowdy pub", kPause,
       "Outside, it looks like little more than a tiny shack, with paint peeling off its worn walls...",
       kPause,
       "Inside its the den of excitement in the town, people are playing darts, exchanging fishing stories, and even dancing on the old wooden tables",
       kPause});
  untilBackToHub(context, [](Context& c) { return doAtPub(c, askAtPub(c)); });
}

}  // namespace qm
