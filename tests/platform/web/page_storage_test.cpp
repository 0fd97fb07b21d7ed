#include <emscripten.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "platform/web/page.h"
#include "support/run_storage_contract.h"

// The storage contract against the page's storage, in a browser with its real localStorage
// (tests/web/storage.mjs runs this program in Chromium); and what the page's storage does of its
// own: it keeps only the newest damaged runs, reads and writes runs as pages of 1.1.0 did, and
// says why it fails as a reason.
namespace qm::web {
namespace {

using qm::testing::RunStorageContract;
using qm::testing::StorageKind;
using qm::testing::StoragePlace;

// clang-format off
// The text localStorage keeps under `name`, in memory the test frees; none when it keeps none.
EM_JS(char*, keptText, (const char* name), {
  const text = localStorage.getItem(UTF8ToString(name));
  if (text === null) return 0;
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, keepText, (const char* name, const char* text), {
  localStorage.setItem(UTF8ToString(name), UTF8ToString(text));
});

EM_JS(void, clearStorage, (), {
  localStorage.clear();
});

// The page's runner (tests/web/storage.mjs) waits for it.
EM_JS(void, tellTheStatus, (int status), {
  window.testsEnded = status;
});
// clang-format on

constexpr const char* kKey = "quillmarrow.save";

std::optional<std::string> kept(const std::string& name) {
  char* text = keptText(name.c_str());
  if (!text) return std::nullopt;
  std::string copy(text);
  std::free(text);
  return copy;
}

// This page's storage, emptied before and after each test.
class PagePlace final : public StoragePlace {
 public:
  PagePlace() { clearStorage(); }
  ~PagePlace() override { clearStorage(); }
  PagePlace(const PagePlace&) = delete;
  PagePlace& operator=(const PagePlace&) = delete;

  std::unique_ptr<RunStorage> open() override { return std::make_unique<PageStorage>(); }
  std::string setAsideStem(const RunStorage&) override { return kKey; }
  std::optional<std::string> setAside(RunStorage&, const std::string& name) override {
    return kept(name);
  }
};

INSTANTIATE_TEST_SUITE_P(Storages, RunStorageContract,
                         ::testing::Values(StorageKind{
                             "Page", [] { return std::make_unique<PagePlace>(); }}),
                         [](const auto& kind) { return std::string(kind.param.name); });

class PageStorageTest : public ::testing::Test {
 protected:
  PagePlace place_;
  PageStorage storage_;
};

// A player of the page cannot remove damaged runs by hand, so the oldest go.
TEST_F(PageStorageTest, KeepsOnlyTheNewestDamagedRuns) {
  const std::string endings[] = {".damaged", ".damaged.2", ".damaged.3", ".damaged.4",
                                 ".damaged.5"};
  for (const std::string& ending : endings) {
    ASSERT_EQ(storage_.write("run" + ending), std::nullopt);
    EXPECT_EQ(storage_.setAside().name, kKey + ending);
  }
  for (int at = 0; at < std::ssize(endings); ++at) {
    const std::optional<std::string> run = kept(kKey + endings[at]);
    if (at < std::ssize(endings) - kNewestSetAsideKept) {
      EXPECT_EQ(run, std::nullopt) << endings[at];
    } else {
      EXPECT_EQ(run, "run" + endings[at]);
    }
  }
}

// Pages of 1.1.0 kept a run as the text its bytes read as in UTF-8; such runs still read, and a
// run in UTF-8 is kept so that those pages read it too.
TEST_F(PageStorageTest, ReadsAndKeepsRunsAsThePagesBeforeDid) {
  const std::string run =
      "Quillmarrow save 1\nPlayerName=Zo\xc3\xab \xe2\x82\xac\xf0\x9f\x90\x9a\n";
  keepText(kKey, run.c_str());
  EXPECT_EQ(storage_.read().text, run);
  ASSERT_EQ(storage_.write(run + "Gears=2\n"), std::nullopt);
  EXPECT_EQ(kept(kKey), run + "Gears=2\n");
}

// The browser's error is told as a reason, and the run kept before stays.
TEST_F(PageStorageTest, SaysWhyTheStorageFails) {
  ASSERT_EQ(storage_.write("kept\n"), std::nullopt);
  EXPECT_EQ(storage_.write(std::string(12 << 20, 'x')), "the storage is full");
  EXPECT_EQ(storage_.read().text, "kept\n");
}

}  // namespace
}  // namespace qm::web

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  qm::web::tellTheStatus(status);
  return status;
}
