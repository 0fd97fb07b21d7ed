#include "town/robot_bartender.h"

#include <array>

#include "combat/fight.h"
#include "core/clock.h"
#include "core/counters.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "town/places.h"

namespace qm {

namespace {

constexpr int kRoomHour = 1;
constexpr int kShrewdIntellect = 6;  // sees the automaton behind the rubber skin
constexpr int kWeakened = 5;         // the robot's hit points from which he fights recklessly

constexpr std::array<Say, 3> kReveal = {
    "All of a sudden he springs back, and points his hand at you. His fake rubber skin falls off, revealing a mess of wires and gears where his hand used to be.",
    kPause, "They start to spin and spark, and his arm quickly transforms into a giant blade!"};

void reveal(Console& console) {
  tell(console, kReveal);
}

void blowHisCover(Console& console) {
  tell(console, {"\"Cover exposed, initiate operation 420. BZZT! BZZT! BZZT!\"", kPause});
  reveal(console);
}

// The knife in his neck only shows what he is: the robot pulls it out unharmed.
void stabHisNeck(Console& console) {
  tell(console,
       {"You quietly pull out your dagger, and shove it into his neck!", kPause,
        "Sparks fly everywhere! He reaches up, pulls it out, and drops it on the ground!", kPause});
  blowHisCover(console);
}

// The steps on the way to the room. Each either exposes the robot (true) or leads on to the next.

bool mistakesALadyForASir(Context& context) {
  Console& console = context.console;
  if (!isFemale(context.state)) return false;
  const char answer = menu(
      context,
      "Hey bub don't ya recognize a lady when you see one?! (B) Smash his face into the counter (S) Ignore it (I)",
      "BSI");
  if (answer == 'B') {
    console.line("\"Oh I'm sorry ma'am, I'm not programmed to recognize gende... Never mind!");
  } else if (answer == 'S') {
    tell(console,
         {"You grab him by the hair, and smack his head into the bar!", kPause,
          "His head is cracked open, but inside instead of brains, it's metal gears and springs!",
          kPause});
    reveal(console);
    return true;
  }
  return false;
}

// The room is never paid for: whoever agrees to the price is led upstairs for free.
bool namesThePrice(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"\"Yes, I would like to stay here tonight.\"", kPause,
       "The bartender says \"Well, we have quite resonable prices here, it's only 10 gold a night!\""});
  if (menu(context, "Ten gold! Thats oouuuutraaaageoooouuus! (O) Alright, I'll pay up (P)", "OP") ==
      'O') {
    tell(console, {"\"I believe that you are... asking for it.\"", kPause});
    reveal(console);
    return true;
  }
  tell(console, {"Without taking your gold, the strange man starts walking up stairs", kPause,
                 "\"Right this way my good sir!\""});
  return false;
}

bool callsALadySirAgain(Context& context) {
  if (!isFemale(context.state)) return false;
  const char answer =
      menu(context, "Not this again! I'm a lady! (N) Stab that chump (S) Ignore it (I)", "NSI");
  if (answer == 'N') {
    tell(context.console, {"\"Beep boop buzz! Cannot comprehende gender!", kPause});
    blowHisCover(context.console);
  } else if (answer == 'S') {
    stabHisNeck(context.console);
  }
  return answer != 'I';
}

bool seemsNotQuiteRight(Context& context) {
  Console& console = context.console;
  console.line("Somethings not quite right...");
  if (context.state.PlayerIntellect < kShrewdIntellect) {
    tell(console, {"But you can't put your finger on it", kPause});
    return false;
  }
  console.line(
      "You've heard about automotons before, but never anything this realistic, but maybe...");
  const char answer = menu(
      context, "Sir, are you a robot? (S) Stab him, before he can try anything (K) Ignore it (I)",
      "SKI");
  if (answer == 'S') {
    tell(console, {"\"Beep boop buzz! Terminate intruder!", kPause});
    blowHisCover(console);
  } else if (answer == 'K') {
    stabHisNeck(console);
  } else {
    console.pause();
  }
  return answer != 'I';
}

void reachTheRoom(Context& context) {
  tell(context.console, {"He guides you up to your room", kPause,
                         "\"Before opening the door, I should inform you, you're about to die!\""});
  reveal(context.console);
}

// Walks the way to the room until a step exposes the robot; if none does, he shows himself at the
// door.
void exposeTheRobot(Context& context) {
  constexpr std::array<bool (*)(Context&), 4> kWayToTheRoom = {
      mistakesALadyForASir, namesThePrice, callsALadySirAgain, seemsNotQuiteRight};
  for (auto step : kWayToTheRoom) {
    if (step(context)) return;
  }
  reachTheRoom(context);
}

// Stab draws its own roll of 0 to 99: below 50 it goes in, above 50 it is blocked, and a roll of
// exactly 50 passes without a word.
void stabTheRobot(Fight& fight) {
  fight.state().Roll = fight.context().random.draw(kStabRolls);
  if (fight.state().Roll > 50) {
    fight.console().line(
        "You slash at the bartender with your knife, but he blocks it with his sword arm!");
  } else if (fight.state().Roll < 50) {
    fight.console().line(
        "You stab the bartender right in his Robo-Liver, he doubles over in simulated pain!");
    subtract(fight.enemyHealth(), 10);
  }
}

// An arrow into a robot already weakened goes through his heart and finishes him.
void shootTheRobot(Fight& fight) {
  tell(fight.console(),
       {"You pull out your bow, and shoot an arrow into the robot's chest!", kPause});
  if (fight.enemyHealth() <= kWeakened) {
    fight.console().line("Your arrow went straight through his gear heart!");
    fight.enemyHealth() = 0;
  } else {
    fight.console().line("He stumbles backwards, but he stays on his feet!");
    subtract(fight.enemyHealth(), 5);
  }
}

constexpr FightTable kRobotBartender = {
    .stab = Special{stabTheRobot},
    .magicMissile =
        Deed{.lines = {"You blast him with a bolt of pure magic!  He sizzles, and falls over."},
             .effect = {.enemyLoses = 10}},
    .slash = Deed{.lines = {"You grab your trusty sword, and slice his arm off!", kPause,
                            "it falls to the floor, still moving, and the bartender freezes."},
                  .effect = {.enemyLoses = 10}},
    .shoot = Special{shootTheRobot},
    .pickpocket = Deed{.lines = {"He's already noticed you!"}},
    .suggestion = Deed{.lines = {"Your wizardly powers don't work on robots!"}},
    .bash = Deed{.lines = {"You smack him with your shield, and he stumbles backwards."},
                 .effect = {.enemyLoses = 5}},
    .tame = Deed{.lines = {"This doesn't work on robots!"}},
};

constexpr Deed kSwingsHisSwordArm = {
    .lines = {"The robot swings his sword-arm at you, but it barely cuts you!"},
    .effect = {.playerLoses = 2}};
constexpr Deed kThrustsHisArm = {
    .lines = {"He rushes at you, arm first, and thrusts his arm into you!", kPause,
              "You're bleeding pretty badly, I think it's time to end this."},
    .effect = {.playerLoses = 10}};

// The robot draws no roll: he fights harder once he is weakened. He strikes only while both
// fighters still stand.
void robotTurn(Fight& fight) {
  if (fight.state().PlayerHealth <= 0 || fight.enemyHealth() <= 0) return;
  fight.perform(fight.enemyHealth() > kWeakened ? kSwingsHisSwordArm : kThrustsHisArm);
}

// The bartender's hit points are never restored, so a robot already beaten gets one action
// against him and no turn of his own.
void fightTheRobot(Context& context) {
  GameState& state = context.state;
  Fight(context, kRobotBartender, state.BartenderHealth,
        FightRules{.applesOffered = false, .enemyTurn = robotTurn, .deathEndsGame = false})
      .play();
  // A player left at exactly 0 is thrown out first; the hub's health check ends the game then.
  if (state.PlayerHealth < 0) dieNow();
}

void getThrownOut(Context& context) {
  tell(
      context.console,
      {"A huge lady comes barelling upstairs!", kPause,
       "She grabs you by the ear, and drags you out of the inn!", "\"Don chu' eva' come back\"",
       kPause,
       "After stumbling into the street, you notice a hatch on the side of the inn, that probably leads to the basement.  Maybe you should check it out.",
       kPause});
  context.state.HatchStage = kHatchFound;
  context.state.PintWelcome = 0;
}

}  // namespace

void askForARoom(Context& context) {
  addHours(context.state, kRoomHour);
  context.console.line(
      "You approach the bar, and the bartender asks \"Do you need anything my good sir?\"");
  exposeTheRobot(context);
  fightTheRobot(context);
  getThrownOut(context);
}

}  // namespace qm
