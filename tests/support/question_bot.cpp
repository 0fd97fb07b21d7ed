#include "support/question_bot.h"

#include "app/game.h"
#include "app/saved_run.h"
#include "support/memory_storage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <regex>

namespace qm::testing {

namespace {

constexpr std::string_view kAllLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Every word a question that accepts `letters` must refuse: the other letters (in small and
// capital letters by turns) and digits, then each accepted letter doubled and with a full stop.
std::string refusedWords(std::string_view letters) {
  std::string words;
  bool small = true;
  for (const char c : kAllLetters) {
    if (letters.find(c) != std::string_view::npos) continue;
    const bool letter = c >= 'A' && c <= 'Z';
    words += static_cast<char>(letter && small ? c - 'A' + 'a' : c);
    words += ' ';
    small = !small;
  }
  for (const char c : letters)
    words += std::string{c, c, ' ', c, '.', ' '};
  return words;
}

}  // namespace

QuestionBot::QuestionBot(unsigned seed, int answers, bool refusals, const CapturedOutput& screen)
    : choices_(seed), answersLeft_(answers), refusals_(refusals), screen_(screen) {}

void QuestionBot::asking(std::string_view letters, Refusal refusal) {
  letters_ = letters;
  refusal_ = refusal;
}

// The options shown since the last answer, "(X)" for each, against the letters accepted.
void QuestionBot::checkOptions() {
  static const std::regex kOption(R"(\(([A-Z0-9])\))");
  const std::string shown = screen_.text().substr(seenUpTo_);
  std::string offered;
  std::string optionLine;
  for (std::sregex_iterator it(shown.begin(), shown.end(), kOption), end; it != end; ++it) {
    offered += (*it)[1].str();
    const std::size_t start = shown.rfind('\n', static_cast<std::size_t>(it->position())) + 1;
    optionLine = shown.substr(start, shown.find('\n', start) - start);
  }
  if (optionLine.empty()) {  // no "(X)" options: the question's last line names its answers
    const std::size_t end = shown.find_last_not_of('\n');
    const std::size_t start = end == std::string::npos ? 0 : shown.rfind('\n', end) + 1;
    optionLine = shown.substr(start, end == std::string::npos ? 0 : end + 1 - start);
  }
  std::string accepted = letters_;
  std::ranges::sort(offered);
  offered.erase(std::unique(offered.begin(), offered.end()), offered.end());
  std::ranges::sort(accepted);
  questions_.insert(optionLine + " | " + letters_);
  if (offered != accepted) mismatches_.insert(offered + " | " + accepted + " | " + optionLine);
}

std::string QuestionBot::answerLine() {
  if (letters_.empty()) {
    constexpr std::array<std::string_view, 3> kOthers = {"1\n", "2\n", "30\n"};
    return std::string(kOthers[choices_() % kOthers.size()]);
  }
  checkOptions();
  const char letter = letters_[choices_() % letters_.size()];
  std::string line = refusals_ && refusal_ == Refusal::Silent ? refusedWords(letters_) : "";
  line += letter;
  line += '\n';
  letters_.clear();
  return line;
}

std::size_t QuestionBot::readSome(char* buffer, std::size_t size) {
  if (answersLeft_ == 0) return 0;
  --answersLeft_;
  const std::string line = answerLine();
  seenUpTo_ = screen_.text().size();
  const std::size_t count = std::min(size, line.size());
  std::memcpy(buffer, line.data(), count);
  return count;
}

RandomGame playRandomGame(unsigned seed, const RandomGameOptions& options) {
  CapturedOutput screen;
  QuestionBot bot(seed, options.answers, options.refusals, screen);
  WatchedInput input(bot, nullptr, options.stop);
  SeededRandom random(seed);
  RecordingPlatform platform;
  Console console(input, screen);
  console.observeQuestions(&bot);
  runGame(console, random, platform, options.keptRun);
  console.flush();
  return {screen.text(), std::move(input.reads), random.results(), bot.mismatches(),
          bot.questions()};
}

GameState aKeptRun(unsigned seed) {
  MemoryStorage storage;
  KeptRun keptRun(storage, [](std::string_view) {});
  RandomGameOptions options;
  options.keptRun = &keptRun;
  options.stop = [&storage] { return storage.writes() > 0; };
  playRandomGame(seed, options);
  return readSavedRun(storage.written().at(0)).state;
}

}  // namespace qm::testing
