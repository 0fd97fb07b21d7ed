#include "creation/creation.h"

#include "creation/steps.h"

namespace qm {

bool createCharacter(Context& context) {
  GameState& state = context.state;
  state.RaceNumber = 0;
  state.Gears = 0;
  state.RaceChoice.clear();

  creation::chooseRace(context);
  creation::chooseGender(context);
  creation::applyRace(state);
  // The home place is drawn between the generated name and the name question.
  creation::generateName(state);
  creation::drawHomePlace(context);
  creation::setPronouns(state);
  creation::settleName(context);

  creation::describeStats(context);
  creation::chooseClass(context);

  creation::drawEvent(context);
  creation::prepareTown(state);
  creation::drawPortrait(context.console, state);
  creation::showBackstory(context);
  return creation::confirmCharacter(context);
}

bool madeByCreation(const GameState& state) {
  return creation::raceAsMade(state) && creation::nameAsMade(state) &&
         creation::backstoryAsMade(state) && creation::classAsMade(state);
}

}  // namespace qm
