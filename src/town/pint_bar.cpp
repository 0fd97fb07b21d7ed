#include "town/pint_bar.h"

#include "combat/fight.h"
#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"

namespace qm {

namespace {

constexpr int kBeerPrice = 5;
constexpr int kBeerHours = 2;
constexpr int kJobTalkHours = 1;
constexpr int kBreakingFreeStrength = 5;
constexpr int kWelcomeForBreakingFree = 5;
constexpr int kKnowsTheLeader = 6;  // intellect that recognises Dr. Flashypants

constexpr const char* kBottomOfThePint = "You're at the bottom of the pint...";

void sendTheLacertiAway(Fight& fight, const char* line) {
  fight.console().line(line);
  fight.state().LacertiAtBar = 0;
}

void convinceThemToLeave(Fight& fight) {
  sendTheLacertiAway(fight, "Using your wizardly powers you convince them to leave the bar!");
}

void scareThemOff(Fight& fight) {
  sendTheLacertiAway(
      fight,
      "You grab one of them by the collar and smack 'em against the bar! He quickly gives up, and both of the ruffians high-tail it out of the bar!");
}

// The quarrel is a single action of the player's, with no roll and no turn for the Lacerti. Only
// the first Lacerti's hit points can be lowered: the table is played against FirstLacertiHealth.
constexpr FightTable kLacerti = {
    .stab =
        Deed{
            .lines =
                {"You take out your dagger and stab the first one right in the liver! He falls over in pain!"},
            .effect = {.enemyFalls = true}},
    .magicMissile =
        Deed{
            .lines =
                {"You blast one of them with a bolt of arcane power! The first one is completely fried!"},
            .effect = {.enemyFalls = true}},
    .slash = Deed{.lines = {"You pick up your sword and slice the first Lacerti's arm off!"},
                  .effect = {.enemyFalls = true}},
    .shoot =
        Deed{
            .lines =
                {"You pull out your bow and shoot an arrow across the bar, into the Lacerti's glass! it shatters and beer spills all over the bar! They look pissed!"}},
    .pickpocket = Deed{.lines = {"You sneak up behind them and fish out 3 gold!",
                                 "But now they've noticed you!"},
                       .effect = {.goldFound = 3}},
    .suggestion = Special{convinceThemToLeave},
    .bash =
        Deed{.lines =
                 {"You smack the closest one with your shield, and he falls out of his chair!"}},
    .tame = Special{scareThemOff},
};

// A Lacerti still at the bar grabs the player. True when the player stays in the inn; whoever is
// not stronger than clever is thrown out and banned, even after breaking free.
bool struggleWithTheLacerti(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.print("One of the Lacerti grabs your arm.");
  console.pause();
  if (state.PlayerStrength >= kBreakingFreeStrength) {
    console.line(
        "You break free, and punch the frightened lizard in his scaly face! They both make a beeline for the door!");
    state.LacertiAtBar = 0;
    add(state.PintWelcome, kWelcomeForBreakingFree);
  } else {
    console.line("You can't get free, and the other Lacerti punches you in the gut!");
    subtract(state.PlayerHealth, 1);
  }
  if (state.PlayerStrength > state.PlayerIntellect) {
    console.line(
        " You grab his fist and flip him over the bar! Wow, I didn't think you had it in you!");
    return true;
  }
  console.line("Tough luck bud, they pick you up and toss you out of the inn!");
  state.PintWelcome = 0;
  return false;
}

void meetTheCircusLeader(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(
      console,
      {kPause,
       "Throughout this whole ordeal, the circus performers have been watching forom the corner of the bar.",
       "One of them, a tall sort of man in a top-hat approaches you"});
  if (state.PlayerIntellect >= kKnowsTheLeader) {
    tell(console, {kPause, "You reckon that he's the leader, Dr. Flashypants"});
  }
  tell(
      console,
      {"He stands there looking at you for a while, and eventually he starts to speak in a very grovelly tone",
       kPause, "\"Hey. That was some mighty fine work.\""});
  if (menu(context, "Yeah that's kinda my thing (Y) What do you want. (W)", "YW") == 'W') {
    console.line("\"Humph\"");
    subtract(state.CircusLeaderOpinion, 1);
  } else {
    console.line("\"You're funny, I like that.\"");
  }
}

// True unless the player turns the job down flat.
bool hearsTheOfferOut(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("\"Would you be interested in a sort of, temporary job?\"");
  switch (menu(context, "Whats it pay. (P) Let me think. No. (N) I'm intriuged (I)", "PNI")) {
    case 'P':
      tell(console, {"He looks offended", "\"We'll discuss the finer details later\""});
      subtract(state.CircusLeaderOpinion, 1);
      return true;
    case 'N':
      console.line("\"Fine.\"");
      subtract(state.CircusLeaderOpinion, 1);
      return false;
    default:
      console.line("\"Haha, well I think you'll like it\"");
      add(state.CircusLeaderOpinion, 1);
      return true;
  }
}

// The leader's opinion is kept from one talk to the next; if it is still good at the end of this
// one, he names the camp.
void hearAboutTheDisappearances(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("\"See, since we've set up here, our performers have slowly started disapearing\"");
  const char answer = menu(
      context,
      "Are they quitting? (Q) Is this going to be a murder mystery? Hold on let me get my hat! (H) Mhm (M)",
      "QHM");
  if (answer == 'Q') {
    console.line("\"I don't think so, that rarely ever happens to us\"");
  } else if (answer == 'H') {
    console.line("\"Haha!  You're funny, I like that!\"");
    add(state.CircusLeaderOpinion, 1);
  }
  addHours(state, kJobTalkHours);
  if (state.CircusLeaderOpinion <= 0) {
    console.line("\"You know what, nevermind, I think we're okay.\"");
    return;
  }
  console.line(
      "\"We built our camp by the cave to the north of the town, I'll see you there, if you're up to it\"");
  state.CircusStage = kCircusJobTaken;
  tell(console, {kPause, kBottomOfThePint});
}

void talkAboutTheJob(Context& context) {
  meetTheCircusLeader(context);
  if (hearsTheOfferOut(context)) hearAboutTheDisappearances(context);
}

Next quarrelWithTheLacerti(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"They turn around and look at you \"What are you looking at sssstupid\"", kPause,
                 "That's it! They're going down!", kPause});
  state.FirstLacertiHealth = kLacertiHitPoints;
  state.SecondLacertiHealth = kLacertiHitPoints;
  Fight(context, kLacerti, state.FirstLacertiHealth, FightRules{.applesOffered = false})
      .playerTurn();
  if (state.LacertiAtBar == 0 || state.FirstLacertiHealth == 0 || state.SecondLacertiHealth == 0) {
    console.line(
        "Well, they've both left, and you go back to drinking. The cheery bartender goes to clean up the mess. What a weirdo!");
    state.LacertiAtBar = 0;
  } else if (!struggleWithTheLacerti(context)) {
    return Next::BackToHub;
  }
  talkAboutTheJob(context);
  return Next::Stay;
}

}  // namespace

Next haveABeer(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line(
      "You approach the bar, and an eager looking bartender, with the whole striped shirt, funny arm band getup comes up and says; \"Would ya' like somthin' to drink! Five gold for a pint!\"");
  if (state.PlayerGold < kBeerPrice) {
    console.line("You don't have enough gold!");
    return Next::Stay;
  }
  if (menu(context, "Sure I'll take a beer (B) I'm good (G)", "BG") == 'G') {
    return Next::Stay;
  }
  addHours(state, kBeerHours);
  subtract(state.PlayerGold, kBeerPrice);
  console.pause();
  // Once the Lacerti have gone, the beer is drunk in peace and the player wanders off.
  if (state.LacertiAtBar <= 0) return Next::BackToHub;
  console.line("The Lacerti at the bar are talking loudly and pointing at you");
  if (menu(context, "Hey! Shut your scaley mouths! (H) Do nothing (D)", "HD") == 'D') {
    tell(console, {kPause, kBottomOfThePint});
    return Next::Stay;
  }
  return quarrelWithTheLacerti(context);
}

}  // namespace qm
