#include <array>
#include <initializer_list>

#include "art/pictures.h"
#include "art/poster.h"
#include "core/clock.h"
#include "core/counters.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "core/weapons.h"
#include "town/places.h"

namespace qm {

namespace {

constexpr int kTicketPrice = 15;
constexpr int kReward = 100;

// The show plays while the clock reads 12 to 15.
bool showIsOn(int clockHour) {
  return clockHour >= 12 && clockHour <= 15;
}

// The hours until the next midday show, always from 1 to 24. The hub takes 24 off the clock
// only when it stands above 24, and only once per pass, so the clock may read 24 or far more.
// The count is taken from the hour of the day, the clock modulo 24 (24 is midnight): 12 - hour
// before noon, 36 - hour from 16 on, which is exact for every clock from 0 to 24. A clock above
// 24 whose hour of the day is 12 to 15 has no show on now (that takes the clock itself at 12 to
// 15), so the count runs to the next day's show.
int hoursUntilShow(int clockHour) {
  const int hourOfDay = (clockHour % kHoursPerDay + kHoursPerDay) % kHoursPerDay;
  return hourOfDay < 12 ? 12 - hourOfDay : 12 + kHoursPerDay - hourOfDay;
}

void readThePoster(Context& context) {
  Console& console = context.console;
  tell(
      console,
      {"The theatre is painted bright blue and green, and sticks out like a sore thumb compared to the other tones of brown and grey.",
       kPause, "There is a sign on the door"});
  console.line();
  console.line();
  art::draw(console, art::kTheatrePosterShows, art::kTheatrePoster);
  tell(console, {kPause, "Strange name for a play..."});
}

// The ticket at the door; false when the player does not get in.
bool buyATicket(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("Looks like its starting soon, do you want to check it out?");
  if (menu(context, "Sure (S) Nah (N)", "SN") == 'N') {
    console.line("Not a patron of the arts I see...");
    return false;
  }
  if (state.PlayerGold < kTicketPrice) {
    console.line("You don't have enough gold, sorry!");
    return false;
  }
  console.line("You get a ticket from a young man at the door, and hand him your gold...");
  subtract(state.PlayerGold, kTicketPrice);
  return true;
}

// The show ends in a murder; true when the player stays and agrees to look into it.
bool watchTheShow(Context& context) {
  Console& console = context.console;
  tell(console,
       {"The theatre is dark, but you quickly find a seat.", kPause,
        "Behind you a wizard operates a magical spotlight, aimed at the stage.", kPause,
        "Suddenly, the curtains open, revealing a dancing mailman, prancing across the stage!",
        kPause, "The spotlight turns off, and the theatre goes dark again.", kPause,
        "You can hear a frantic scuffle on stage!", kPause,
        "The spotlight turns back on, and light floods the stage, revealing...", kPause,
        "The mailman, murdered!", kPause,
        "A gasp comes up from the crowd and people start to running out of the theatre"});
  if (menu(context, "Leave with them (L) Stay (S)", "LS") == 'L') return false;
  tell(
      console,
      {"One of the performers comes out of the curtains, he motions for you to follow him.", kPause,
       "You follow him backstage, to a group of performers huddled around the body.", kPause,
       "One of them motions to the body; \"What are we going to do!\"", kPause,
       "A man dressed in a large tree costume addresses you;\"Can YOU help us out, we're going to  be too busy finding a replacement to solve any mystery\""});
  if (menu(context, "Sure (S) Nah (N)", "SN") == 'N') {
    console.line("\"Oh uh, this is hawk-ward\"");
    return false;
  }
  console.line("\"Great here this program has a list of cast and crew, start looking for clues\"");
  return true;
}

// A clue that can be looked at again and again until the player leaves it.
void examineUntilLeft(Context& context, std::initializer_list<Say> finding) {
  while (menu(context, "Examine it (X) Leave (L)", "XL") == 'X')
    tell(context.console, finding);
}

void searchTheStage(Context& context) {
  tell(context.console, {"The body is still on the stage.", kPause,
                         "The knife used to kill him was left by the body."});
  examineUntilLeft(context, {"The knife appears to have some kind of lipstick on it.", kPause});
}

void searchBackstage(Context& context) {
  context.console.line(
      "Backstage is very dark, but you can make out the outline of a big black cloak lying on the ground...");
  examineUntilLeft(context,
                   {"The cloak is made of a cheap cotton material, it's probably from a costume.",
                    kPause, "You also notice a small hair stuck to the fabric.  Its white."});
}

// A weak constitution collapses at the first sip; it can be drunk again on every visit.
void drinkThePoison(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.PlayerBrawn >= 5) {
    tell(console, {"It tastes extremely bitter.", kPause, "Definetly a poison.", kPause,
                   "Fortunately, you have a strong resistance to it."});
    return;
  }
  tell(console, {"You instantly collapse onto the floor", kPause});
  subtract(state.PlayerHealth, 5);
  dieIfHealthGone(state);
  console.line("Fortunately, one of the actors heard you fall, and woke you up.");
}

void searchTheDrawers(Context& context) {
  tell(
      context.console,
      {"The drawers have been untouched", kPause,
       "Their contents are mostly harmless, however you did find an unlabeled bottle, which you assume is poison."});
  switch (menu(context, "Drink it (D) Pour some out (P) Leave it (L)", "DPL")) {
    case 'D': drinkThePoison(context); break;
    case 'P':
      tell(
          context.console,
          {"You pour it onto the ground. The liquid is an opaque green", kPause,
           "Nothing exciting happens. If it is a poison, it's probably just a fast acting sedative"});
      break;
    default: break;
  }
}

void searchTheCloset(Context& context) {
  tell(
      context.console,
      {"All the clothes have been ripped out of the closet, and a small box lays open on the floor.",
       kPause, "Inside the box is a piece of paper with a word on it \"Sugar's\"", kPause,
       "There's also an empty envelope, but from an impression in the envelope you think it was more paper",
       kPause});
}

void overhearTheActors(Context& context) {
  tell(
      context.console,
      {"The first actor says; \"What a tragedy.\"", kPause,
       "The second actor replies; \"I suppose, in a way, it was fate\"", kPause,
       "There is a long pause", kPause,
       "The second actor continues; \"Well, I guess, he was bribing -\" the other actor interrupts \"shhhhh, do you want the whole cast to hear us?!?\"",
       kPause});
}

void searchTheDressingRoom(Context& context) {
  tell(context.console,
       {"They lead you to the dressing room, and start talking in the hallway", kPause,
        "The dressing room has been torn through, almost like someone was looking for something."});
  while (true) {
    switch (menu(
        context,
        "Check the closet (C) Check the drawers (D) Listen to their conversation (V) Leave (L)",
        "CDVL")) {
      case 'C': searchTheCloset(context); break;
      case 'D': searchTheDrawers(context); break;
      case 'V': overhearTheActors(context); break;
      default: return;
    }
  }
}

constexpr std::array<const char*, 6> kCastAndCrew = {
    "Bill Cassidy - Lead Mailman - Bill has been with us for 20 years, and is a kind and friendly face, he looks forward to many more shows with us...",
    "(Ironic...)",
    "Hansel Witch-Binder - Tree - Hansel is a recent edition to the theatre, but he is an expert at foliage-imitation.",
    "\"Sugar\" Melanie Chromestock - Mrs. Robinson - Melanie has done 4 shows with us in the past few years. She gets her name from her unusually aged hair",
    "Benjamin Orange - Costume Designer - Benjamin is a professional costume designer, and has been just joined our theatre. He personally designed and created all of the costumes",
    "Rasus Icethrower - Spotlight technician - a dedicated Ilumngae, best spotlight in the business",
};

void readTheProgram(Console& console) {
  console.line("The program has a list of cast and crew, and information on them.");
  for (const char* entry : kCastAndCrew) {
    console.line();
    console.line(entry);
  }
}

// The right name earns 100 gold, and the Silly Sceptre if the player takes it up.
void solveTheMurder(Context& context) {
  GameState& state = context.state;
  tell(context.console, {"The entire room gasps!", kPause,
                         "Suddenly, someone speaks up; \"Hey, you know, I guess it makes sense.\"",
                         kPause, "The entire cast nods in concurrence.", kPause,
                         "Good job! You receive 100 gold, and a Silly Sceptre!"});
  offerWeapon(context, kSillySceptre);
  add(state.PlayerGold, kReward);
  state.TheatreStage = kTheatreSolved;
}

// The suspects and, if the player is ready, the accusation; true once the murder is solved. A
// wrong name costs nothing and sends the player back to the clues.
bool reviewTheSuspects(Context& context) {
  Console& console = context.console;
  readTheProgram(console);
  console.pause();
  console.line("Are you ready to make an accusation?");
  if (menu(context, "Yes (Y) No, not yet (N)", "YN") == 'N') return false;
  console.line(
      "You convince the cast to assemble in the dressing rooms, and bring the local law enforcement");
  console.line("\"So, ", context.state.PlayerName, ", who did it?\" asks the tree");
  if (menu(context, "Hansel (H) \"Sugar\" (S) Benjamin (B) Rasus (R)", "HSBR") == 'S') {
    solveTheMurder(context);
    return true;
  }
  tell(console, {"The actors gasp in disbelief; \"No! That's ridiculous!\"", kPause,
                 "You better go back and look at the clues again", kPause});
  return false;
}

// The investigation can be left and taken up again at any hour.
void investigate(Context& context) {
  while (true) {
    switch (menu(
        context,
        "You can look backstage (B) in the dressing rooms (D) or on the stage (S) Review suspects (R) or you can come back later (L) ",
        "BDSRL")) {
      case 'B': searchBackstage(context); break;
      case 'D': searchTheDressingRoom(context); break;
      case 'S': searchTheStage(context); break;
      case 'R':
        if (reviewTheSuspects(context)) return;
        break;
      default: return;
    }
  }
}

}  // namespace

void visitTheatre(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.TheatreStage == kTheatreSolved) {
    console.line("You've already been here, and seen the play!");
    return;
  }
  if (state.TheatreStage == kTheatreInvestigating) {
    investigate(context);
    return;
  }
  readThePoster(context);
  if (!showIsOn(state.ClockHour)) {
    state.TimeTill = hoursUntilShow(state.ClockHour);
    console.line("It's not going to be on for ", state.TimeTill, " hours");
    console.pause();
    return;
  }
  if (!buyATicket(context) || !watchTheShow(context)) return;
  state.TheatreStage = kTheatreInvestigating;
  investigate(context);
}

}  // namespace qm
