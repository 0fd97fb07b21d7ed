#include "platform/web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qm::web {

namespace {

// ---- The calls of web/bridge.js (Module.page) --------------------------------------------------
// The JavaScript stays in bridge.js; these only hand texts across. A text for the game comes
// in memory the game frees.
// clang-format off
EM_JS(char*, pageText, (const char* name), {
  return Module.page.toGame(Module.page[UTF8ToString(name)]());
});

// Waits, without blocking the page, for the next line the player sends.
EM_ASYNC_JS(char*, nextLine, (), {
  return Module.page.toGame(await Module.page.nextLine());
});

// Takes the run for this page alone, as long as the page stays open; true where the browser
// cannot tell, which leaves one page at a time to the player.
EM_ASYNC_JS(int, claimRun, (), {
  return await Module.page.claimRun();
});

EM_JS(int, pageFlag, (const char* name), {
  return Module.page[UTF8ToString(name)]() ? 1 : 0;
});

EM_JS(void, pageCall, (const char* name, const char* text, int length), {
  Module.page[UTF8ToString(name)](UTF8ToString(text, length));
});

// The browser's storage: nothing, "+" and the text read, or "-" and why it failed.
EM_JS(char*, storageCall, (const char* action, const char* text, int length), {
  return Module.page.toGame(Module.page.storage(UTF8ToString(action), UTF8ToString(text, length)));
});
// clang-format on

struct FreeWithFree {
  void operator()(char* text) const { std::free(text); }
};
using PageString = std::unique_ptr<char, FreeWithFree>;

void call(const char* name, std::string_view text = {}) {
  pageCall(name, text.data(), static_cast<int>(text.size()));
}

// A storage call: nothing; "+" and a text it read; "-" and the reason it failed.
std::optional<std::string> storage(const char* action, std::string_view text = {}) {
  const PageString answer(storageCall(action, text.data(), static_cast<int>(text.size())));
  if (!answer) return std::nullopt;
  return std::string(answer.get());
}

}  // namespace

std::size_t PageInput::readSome(char* buffer, std::size_t size) {
  if (pending_.empty()) {
    const PageString line(nextLine());
    pending_ = std::string(line.get()) + "\n";
  }
  const std::size_t count = std::min(size, pending_.size());
  std::memcpy(buffer, pending_.data(), count);
  pending_.erase(0, count);
  return count;
}

// Splits the text at the picture marks: text goes to the transcript as it comes, a mark opens or
// closes a picture. A write may end anywhere, a picture's name included.
void PageOutput::write(std::string_view bytes) {
  while (!bytes.empty()) {
    if (reading_ == Reading::PictureName) {
      const std::size_t end = bytes.find('\n');
      name_.append(bytes.substr(0, end));
      if (end == std::string_view::npos) return;
      call("beginPicture", name_);
      name_.clear();
      reading_ = Reading::Text;
      bytes.remove_prefix(end + 1);
      continue;
    }
    constexpr std::array<char, 2> kMarks = {Console::kPictureStart, Console::kPictureEnd};
    const std::size_t mark = bytes.find_first_of(std::string_view(kMarks.data(), kMarks.size()));
    call("appendText", bytes.substr(0, mark));
    if (mark == std::string_view::npos) return;
    if (bytes[mark] == Console::kPictureStart) {
      reading_ = Reading::PictureName;
    } else {
      call("endPicture");
    }
    bytes.remove_prefix(mark + 1);
  }
}

void PagePlatform::setWindowTitle(std::string_view title) {
  call("setTitle", title);
}

void PagePlatform::beep(int /*frequency*/, int /*milliseconds*/) {
  call("beep");
}

RunStorage::Claim PageStorage::claim() {
  return {.heldElsewhere = claimRun() == 0};
}

RunStorage::Stored PageStorage::read() {
  Stored stored;
  const std::optional<std::string> answer = storage("read");
  if (!answer) return stored;
  if (answer->front() == '-') {
    stored.error = answer->substr(1);
  } else {
    stored.found = true;
    stored.text = answer->substr(1);
  }
  return stored;
}

std::optional<std::string> PageStorage::write(std::string_view text) {
  std::optional<std::string> answer = storage("write", text);
  if (answer) answer->erase(0, 1);
  return answer;
}

// The names are endings of the run's own key (".damaged", ".damaged.2", ...), which the page
// puts after it.
RunStorage::SetAside PageStorage::setAside() {
  const auto taken = [](const std::string& ending) {
    const std::optional<std::string> answer = storage("taken", ending);
    return answer && answer->front() == '+';
  };
  const auto move = [](const std::string& ending) {
    std::optional<std::string> answer = storage("aside", ending);
    if (answer) answer->erase(0, 1);
    return answer;
  };
  return {.name = "the damaged run beside it",
          .error = setAsideUnderAFreeName("", taken, move).error};
}

std::optional<std::string> PageStorage::remove() {
  std::optional<std::string> answer = storage("remove");
  if (answer) answer->erase(0, 1);
  return answer;
}

std::optional<std::string> seedInAddress() {
  const PageString seed(pageText("seedInAddress"));
  if (!seed) return std::nullopt;
  return std::string(seed.get());
}

bool picturesInWords() {
  return pageFlag("picturesInWords") != 0;
}

void notice(std::string_view text) {
  call("notice", text);
}

void gameOver() {
  call("gameOver");
}

}  // namespace qm::web
