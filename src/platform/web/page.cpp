#include "platform/web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace qm::web {

namespace {

// ---- The calls of web/bridge.js (Module.page) and web/storage.js (Module.runs) ----------------
// The JavaScript stays in those files; these only hand texts across. A text for the game comes
// in memory the game frees.
// clang-format off
EM_JS(char*, pageText, (const char* name), {
  return Module.page.toGame(Module.page[UTF8ToString(name)]());
});

// Waits, without blocking the page, for the next line the player sends.
EM_ASYNC_JS(char*, nextLine, (), {
  return Module.page.toGame(await Module.page.nextLine());
});

// The run for this page alone until released: see storageCall for the answer, "+" when another
// page holds it.
EM_ASYNC_JS(char*, claimRun, (int* length), {
  return await Module.runs.claimForTheGame(length);
});

// The run for this page alone, taken with no wait where the page could (1); 0 where only
// claimRun can tell.
EM_JS(int, claimRunAtOnce, (), {
  return Module.runs.claimAtOnce() ? 1 : 0;
});

EM_JS(void, releaseRun, (), {
  Module.runs.release();
});

EM_JS(int, pageFlag, (const char* name), {
  return Module.page[UTF8ToString(name)]() ? 1 : 0;
});

EM_JS(void, pageCall, (const char* name, const char* text, int length), {
  Module.page[UTF8ToString(name)](UTF8ToString(text, length));
});

// The browser's storage, `action` on the item of the run's key and `ending` ("" for the run
// itself) with some bytes: nothing (0); or "+" and the bytes found, or "-" and why it failed,
// worded for the player, in memory the game frees, `answerLength` bytes long.
EM_JS(char*, storageCall, (const char* action, const char* ending, const char* bytes, int length,
                           int* answerLength), {
  return Module.runs.call(UTF8ToString(action), UTF8ToString(ending), bytes, length, answerLength);
});

// The key the run is kept under.
EM_JS(char*, runKey, (), {
  const size = lengthBytesUTF8(Module.runs.key) + 1;
  const key = _malloc(size);
  stringToUTF8(Module.runs.key, key, size);
  return key;
});
// clang-format on

struct FreeWithFree {
  void operator()(char* text) const { std::free(text); }
};
using PageString = std::unique_ptr<char, FreeWithFree>;

void call(const char* name, std::string_view text = {}) {
  pageCall(name, text.data(), static_cast<int>(text.size()));
}

// What the browser's storage answered, as storageCall() gives it; nothing for nothing.
std::optional<std::string> answer(char* given, int length) {
  const PageString kept(given);
  if (!kept) return std::nullopt;
  return std::string(kept.get(), static_cast<std::size_t>(length));
}

std::optional<std::string> storage(const char* action, const char* ending = "",
                                   std::string_view bytes = {}) {
  int length = 0;
  return answer(storageCall(action, ending, bytes.data(), static_cast<int>(bytes.size()), &length),
                length);
}

// Why a call failed, when it did.
std::optional<std::string> failure(const std::optional<std::string>& reply) {
  if (!reply || reply->front() != '-') return std::nullopt;
  return reply->substr(1);
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

PageStorage::~PageStorage() {
  if (claimed_) releaseRun();
}

// Taken at once when the page's own early ask has been granted by now: the game then goes on to
// its first line without waiting, so the page's first frame shows it.
RunStorage::Claim PageStorage::claim() {
  if (claimRunAtOnce() != 0) {
    claimed_ = true;
    return {};
  }
  int length = 0;
  const std::optional<std::string> claimed = answer(claimRun(&length), length);
  if (!claimed) {
    claimed_ = true;
    return {};
  }
  if (const std::optional<std::string> error = failure(claimed)) {
    return {.heldElsewhere = false, .error = error};
  }
  return {.heldElsewhere = true, .error = std::nullopt};
}

RunStorage::Stored PageStorage::read() {
  Stored stored;
  const std::optional<std::string> kept = storage("get");
  if (!kept) return stored;
  stored.error = failure(kept);
  if (stored.error) return stored;
  stored.found = true;
  stored.text = kept->substr(1, kLargestSave + 1);
  return stored;
}

std::optional<std::string> PageStorage::write(std::string_view text) {
  return failure(storage("set", "", text));
}

// The page keeps only the newest few damaged runs, under endings that go on counting up.
RunStorage::SetAside PageStorage::setAside() {
  const std::optional<std::string> listed = storage("endings");
  if (const std::optional<std::string> error = failure(listed)) return {.name = {}, .error = error};
  std::vector<std::string_view> endings;
  for (std::string_view lines = listed ? std::string_view(*listed).substr(1) : "";
       !lines.empty();) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    endings.push_back(lines.substr(0, end));
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
  const auto move = [](const std::string& ending) {
    return failure(storage("aside", ending.c_str()));
  };
  // A run that cannot be dropped stays: it is only an old damaged one.
  const auto drop = [](const std::string& ending) { storage("remove", ending.c_str()); };
  SetAside aside = setAsideKeepingTheNewest("", endings, kNewestSetAsideKept, move, drop);
  aside.name.insert(0, PageString(runKey()).get());
  return aside;
}

std::optional<std::string> PageStorage::remove() {
  return failure(storage("remove"));
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
