#include "app/run_storage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/system.h"
#include "support/memory_storage.h"

// What every storage of a kept run does, written once and checked against each: the save file
// of the system the tests are built for (in a folder named in Chinese, which no Western ANSI code
// page holds, and made by the storage itself), and the storage in memory the other tests use.
namespace qm::testing {
namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary one, removed with all in it.
class Folder {
 public:
  Folder()
      : path_(fs::temp_directory_path() /
              fs::path(u8"quillmarrow-\u6d4b\u8bd5-" + number(std::random_device()()))) {}
  ~Folder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, ignored);
    }
    fs::remove_all(path_, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // The path of `name` inside, in UTF-8, as the game names files.
  std::string operator/(const char* name) const {
    const std::u8string path = (path_ / fs::path(name)).u8string();
    return {path.begin(), path.end()};
  }
  fs::path path(const char* name) const { return path_ / fs::path(name); }

 private:
  static std::u8string number(unsigned value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
  }

  fs::path path_;
};

class Contract : public ::testing::TestWithParam<bool> {
 protected:
  // The place's storage: the system's save file, or one in memory.
  std::unique_ptr<RunStorage> open() {
    if (!GetParam()) return std::make_unique<MemoryStorage>();
    return saveFileStorage(folder_ / "made/save", true);
  }

  Folder folder_;
};

TEST_P(Contract, KeepsEachTextWholeUntilItIsRemoved) {
  const std::unique_ptr<RunStorage> storage = open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  const RunStorage::Stored none = storage->read();
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.error, std::nullopt);
  const std::string binary("a\r\nb\0c\n", 7);
  for (const std::string& text : {binary, std::string("shorter\n")}) {
    ASSERT_EQ(storage->write(text), std::nullopt);
    EXPECT_EQ(storage->read().text, text);
  }
  EXPECT_EQ(storage->remove(), std::nullopt);
  EXPECT_FALSE(storage->read().found);
  EXPECT_EQ(storage->remove(), std::nullopt);  // nothing kept is no error
}

// Each damaged run keeps a name of its own beside the save: none set aside before is replaced.
TEST_P(Contract, SetsEachDamagedRunAsideUnderANameOfItsOwn) {
  const std::unique_ptr<RunStorage> storage = open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  for (const std::string ending : {".damaged", ".damaged.2"}) {
    ASSERT_EQ(storage->write("run" + ending), std::nullopt);
    const RunStorage::SetAside aside = storage->setAside();
    EXPECT_EQ(aside.error, std::nullopt);
    EXPECT_EQ(aside.name, storage->where() + ending);
    EXPECT_FALSE(storage->read().found);
    if (GetParam()) {
      EXPECT_EQ(saveFileStorage(aside.name, false)->read().text, "run" + ending);
    }
  }
}

TEST_P(Contract, ReadsAtMostAByteBeyondTheLargestSave) {
  const std::unique_ptr<RunStorage> storage = open();
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  ASSERT_EQ(storage->write(std::string(kLargestSave + 5000, 'x')), std::nullopt);
  const RunStorage::Stored large = storage->read();
  EXPECT_TRUE(large.found);
  EXPECT_EQ(large.error, std::nullopt);
  EXPECT_EQ(large.text.size(), kLargestSave + 1);
}

INSTANTIATE_TEST_SUITE_P(Storages, Contract, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& kind) {
                           return kind.param ? "SaveFile" : "Memory";
                         });

// One game at a time holds a save file, until it ends; a lock file that cannot be written
// (read-only, or left by another user) locks all the same. (A storage in memory is held or not
// as its test says.)
TEST(SaveFile, IsHeldByOneGameUntilItEnds) {
  const Folder folder;
  auto first = saveFileStorage(folder / "made/save", true);
  ASSERT_EQ(first->claim(), RunStorage::Claim{});
  EXPECT_TRUE(saveFileStorage(folder / "made/save", false)->claim().heldElsewhere);
  first.reset();
  fs::permissions(folder.path("made/save.lock"), fs::perms::owner_read);
  auto again = saveFileStorage(folder / "made/save", false);
  EXPECT_EQ(again->claim(), RunStorage::Claim{});
  EXPECT_TRUE(saveFileStorage(folder / "made/save", false)->claim().heldElsewhere);
}

// Once every name beside the save is taken, the damaged run stays where it is.
TEST(SetAside, StopsAtTheLastNameItTakes) {
  int moves = 0;
  const auto move = [&moves](const std::string&) -> std::optional<std::string> {
    ++moves;
    return std::nullopt;
  };
  const auto takenBefore = [](int last) {
    return [last](const std::string& name) {
      return name == "save.damaged" || (name.size() > 13 && std::stoi(name.substr(13)) < last);
    };
  };
  EXPECT_EQ(setAsideUnderAFreeName("save", takenBefore(kMostSetAside), move).name,
            "save.damaged." + std::to_string(kMostSetAside));
  const RunStorage::SetAside full = setAsideUnderAFreeName("save", takenBefore(1000), move);
  EXPECT_EQ(full.error, std::to_string(kMostSetAside) + " damaged runs stand beside it already");
  EXPECT_EQ(moves, 1);
}

}  // namespace
}  // namespace qm::testing
