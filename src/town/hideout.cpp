#include "town/hideout.h"

#include "combat/fight.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "core/weapons.h"

namespace qm {

namespace {

constexpr int kBackingDownStrength = 10;  // strength plus brawn that stares the Collective down
constexpr int kOwensGold = 112;

constexpr const char* kHaveItYourWay =
    "\"Fine, have it your way. We'll be here, if you rethink it.\"";

constexpr FightTable kOwen = {
    .startingHealth = kOwenHitPoints,
    .stab = Strike{"You barely cut him!", "You stab Owen and he falls to the ground!",
                   "You try to stab him, but he dodges out of the way!"},
    .magicMissile = Strike{"You hit him, and he stumbles", "K.O!",
                           "You miss, and the missile explodes behind him."},
    .slash = Strike{"You slice his armor!", "Swoosh! You slice him in half!",
                    "He jumps away from you sword!"},
    .shoot = Strike{"You hit him, but don't make it through his armor!", "Right between the eyes!",
                    "He jumps out of the way"},
    .pickpocket = Deed{.lines = {"You manage to grab a couple coins"}, .effect = {.goldFound = 2}},
    .suggestion = Deed{.lines = {"You wave your hand...", kPause, "But he is unaffected"}},
    .bash = Deed{.lines = {"You bash him with your shield, but he gets a cut in!"},
                 .effect = {.enemyLoses = 2, .playerLoses = 2}},
    .tame = Deed{.lines = {"He's not an animal!"}},
    .apples = Deed{.lines = {"You toss the apples at him!", kPause, "\"Ouch!\""},
                   .effect = {.enemyLoses = 5}},
    .enemy = {.fumble = {.lines = {"He slips on the dirt!"}, .effect = {.enemyLoses = 5}},
              .weak = {.lines = {"He stabs you with his knife"}, .effect = {.playerLoses = 5}},
              .strong = {.lines = {"He narrowly misses!"}}},
    .victory = {"It looks like you've won..."},
};

// The librarian's spells by her own roll of 1 to 20, banded like an enemy turn: her roll of 1,
// the fumble slot, is her strongest spell.
constexpr Bands kLibrarianSpells = {
    .fumble = {.lines = {"The librarian blasts a beam of light at Owen!"},
               .effect = {.enemyLoses = 5}},
    .weak = {.lines = {"The librarian blasts him with a magic bolt!"}, .effect = {.enemyLoses = 2}},
    .strong =
        {.lines = {"Owen jumps at the librarian, but she deflects him with a magical shield!"}},
};

// She casts every round after Owen's turn, also once he is down, and nothing can hurt her.
void librarianTurn(Fight& fight) {
  fight.perform(Fight::band(kLibrarianSpells, fight.drawTurnRoll()));
}

void takeOwensLoot(Context& context) {
  GameState& state = context.state;
  tell(context.console, {"\"It's done.\"", kPause,
                         "After scavenging through their loot, you find 112 gold and a Bludgeon"});
  add(state.PlayerGold, kOwensGold);
  context.console.pause();
  offerWeapon(context, kBalefulBludgeon);
  state.StrangerStage = kStrangerNotMet;
}

// A death in the fight goes straight to the end screen; a win ends the quest with the loot.
void fightOwen(Context& context) {
  tell(
      context.console,
      {"You sneak into the bandit hideout.", kPause,
       "Owen notices you, but there's no one else inside. \"So, you finally know the whole story\"",
       kPause, "\"I guess we're going to fight then.\"",
       "He pulls out a knife, the door behind you slides open...", kPause,
       "The librarian appears behind you; \"This, is my fight too.\""});
  stageFight(context, kOwen, context.state.OwenHealth, FightRules{.allyTurn = librarianTurn});
  takeOwensLoot(context);
}

void greetTheWoman(Context& context) {
  Console& console = context.console;
  if (menu(context, "HI! (H) Don't say anything, and play it cool (C)", "HC") == 'H') {
    console.line("She chuckles quietly");
    return;
  }
  tell(console, {"You try to play it cool, and lean on one of the beams", kPause,
                 "But you slip and fall!", kPause});
  if (isFemale(context.state)) {
    console.line(
        "She chuckles quietly, then says \"I like this girl, she's going to make a good distraction...\"");
  } else {
    console.line(
        "She chuckles quietly, then says \"I like this guy, he's going to make a good distraction...\"");
  }
}

void hearWhoTheyAre(Context& context) {
  Console& console = context.console;
  tell(console,
       {"The mysterious stranger addresses you again; \"Well, let me explain what you agreed to!\"",
        kPause, "We are the Collective, perhaps you've heard of us?"});
  if (menu(context, "Uhhh, yes (Y) No, sorry (N)", "YN") == 'Y') {
    console.line(
        "\"Yes, we are a growing in numbers, I suppose you already know all about that though.\"");
  } else {
    console.line("The lady at the table looks up again \"That's a good thing...\"");
  }
  tell(console, {"The mysterious man speaks \"Urm, yes, I suppose.\"", kPause,
                 "\"Anywho, we are a, uh, freedom fighting group...\""});
}

// The knife does no harm; it only asks once more. True when the player gives in.
bool givesInToTheKnife(Context& context) {
  Console& console = context.console;
  tell(console, {"He pulls a knife out of his pocket and holds it to your hand.",
                 "\"Feeling lucky, punk?\""});
  if (menu(context, "No (N) Yeah, kinda. (Y)", "NY") == 'Y') {
    console.line(kHaveItYourWay);
    return false;
  }
  tell(console,
       {"\"Good.\"", "\"Now back to business\"", "He puts his knife back in his sheath", kPause});
  return true;
}

// True when the player ends up taking on the errand, willing or not.
bool takesTheErrand(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  if (menu(context, "How can I help (H) I'm not up for this (T)", "HT") == 'H') {
    console.line("\"Glad to hear it\"");
    return true;
  }
  console.line("\"We had a deal, you don't want to part with any, appendages do you?\"");
  if (menu(context, " No (N) Over my dead body! (B)", "NB") == 'N') {
    tell(console, {"\"I'm glad you came to, our. Terms.\"", kPause});
    return true;
  }
  if (state.PlayerStrength + state.PlayerBrawn >= kBackingDownStrength) {
    tell(console, {"They are intimidated by you.", kHaveItYourWay});
    return false;
  }
  return givesInToTheKnife(context);
}

void runTheErrand(Context& context) {
  tell(context.console,
       {"\"We need you, to set off a 'distraction'\"",
        "He points to a crude square on the map, labeled \"Library\"", kPause,
        "\"There, at the library. Here, bring them this book, it's over 10 years overdue.\"",
        kPause, "\"Whats that look for? It'll be fine!\"", kPause, "\"Here go! Hurry!\"", kPause});
  context.state.HasMysteriousBook = true;
}

// The meeting leaves the quest stage alone, so a player who refused can come back to it.
void meetTheCollective(Context& context) {
  tell(
      context.console,
      {"You slip into the bandit hideaway...", kPause,
       "It's a small room hollowed out underneath the pub, the walls are supported with big wooden beams",
       kPause,
       "There's a locked door at the end of the room, and a couple people standing around a big table with a map",
       kPause, "The mysterious stranger introduces you; \"Hallo, this is the newest member!\"",
       kPause, "A woman at the table looks up, and raises an eyebrow at you"});
  greetTheWoman(context);
  hearWhoTheyAre(context);
  if (takesTheErrand(context)) runTheErrand(context);
}

}  // namespace

void enterHideout(Context& context) {
  if (context.state.StrangerStage == kOwenRevealed) {
    fightOwen(context);
  } else {
    meetTheCollective(context);
  }
}

}  // namespace qm
