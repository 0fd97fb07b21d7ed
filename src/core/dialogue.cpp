#include "core/dialogue.h"

namespace qm {

namespace {

char toCapital(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

void tell(Console& console, std::span<const Say> narration) {
  for (const Say& step : narration) {
    if (step.isPause()) {
      console.pause();
    } else if (step.isUsed()) {
      console.line(step.text());
    }
  }
}

void tell(Console& console, std::initializer_list<Say> narration) {
  tell(console, std::span<const Say>(narration.begin(), narration.size()));
}

bool answersWith(std::string_view answer, std::string_view letters) {
  return answer.size() == 1 && letters.find(toCapital(answer[0])) != std::string_view::npos;
}

char askLetter(Console& console, std::string& answer, std::string_view letters) {
  console.asking(letters, Refusal::Silent);
  do {
    answer = console.readWord();
  } while (!answersWith(answer, letters));
  return toCapital(answer[0]);
}

char ask(Context& context, std::string_view letters) {
  return askLetter(context.console, context.state.RaceChoice, letters);
}

char menu(Context& context, std::string_view options, std::string_view letters) {
  context.console.line(options);
  return ask(context, letters);
}

char askRepeating(Context& context, std::string_view options, std::string_view letters) {
  context.console.asking(letters, Refusal::Reprompt);
  while (true) {
    context.console.line(options);
    context.state.RaceChoice = context.console.readWord();
    if (answersWith(context.state.RaceChoice, letters))
      return toCapital(context.state.RaceChoice[0]);
  }
}

void untilBackToHub(Context& context, Next (*visitOnce)(Context& context)) {
  while (visitOnce(context) == Next::Stay) {
  }
}

}  // namespace qm
