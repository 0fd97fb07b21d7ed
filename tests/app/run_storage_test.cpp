#include "app/run_storage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/system.h"
#include "support/memory_storage.h"
#include "support/run_storage_contract.h"
#include "support/temporary_folder.h"

// The storage contract (support/run_storage_contract.cpp) against the save file of the system the
// tests are built for (in a folder named in Chinese, which no Western ANSI code page holds, and
// made by the storage itself) and the storage in memory the other tests use; and what the names
// of damaged runs are.
namespace qm::testing {
namespace {

namespace fs = std::filesystem;

// The system's save file, in a folder it makes itself.
class SaveFilePlace final : public StoragePlace {
 public:
  std::unique_ptr<RunStorage> open() override {
    return saveFileStorage(folder_ / "made/save", true);
  }
  std::optional<std::string> setAside(RunStorage&, const std::string& name) override {
    const RunStorage::Stored stored = saveFileStorage(name, false)->read();
    if (!stored.found) return std::nullopt;
    return stored.text;
  }

 private:
  TemporaryFolder folder_;
};

class MemoryPlace final : public StoragePlace {
 public:
  std::unique_ptr<RunStorage> open() override { return std::make_unique<MemoryStorage>(); }
  std::optional<std::string> setAside(RunStorage& storage, const std::string& name) override {
    const auto& runs = dynamic_cast<MemoryStorage&>(storage).setAsideRuns;
    const auto run = runs.find(name);
    if (run == runs.end()) return std::nullopt;
    return run->second;
  }
  bool tellsOtherGames() const override { return false; }
};

INSTANTIATE_TEST_SUITE_P(
    Storages, RunStorageContract,
    ::testing::Values(StorageKind{"Memory", [] { return std::make_unique<MemoryPlace>(); }},
                      StorageKind{"SaveFile", [] { return std::make_unique<SaveFilePlace>(); }}),
    [](const auto& kind) { return std::string(kind.param.name); });

// A lock file that cannot be written (read-only, or left by another user) locks all the same.
TEST(SaveFile, IsHeldThroughALockFileItCannotWrite) {
  const TemporaryFolder folder;
  ASSERT_EQ(saveFileStorage(folder / "made/save", true)->claim(), RunStorage::Claim{});
  fs::permissions(folder.path("made/save.lock"), fs::perms::owner_read);
  if (std::ofstream(folder.path("made/save.lock"), std::ios::app)) {
    GTEST_SKIP() << "this user writes even a read-only file (as root does), so the lock file "
                    "that cannot be written is not reached here; tests/program/kept_run.py "
                    "plays it as another user";
  }
  const auto first = saveFileStorage(folder / "made/save", false);
  EXPECT_EQ(first->claim(), RunStorage::Claim{});
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

// The page's names go on counting up from the newest, whatever else stands beside the run, and
// only the last few stay.
TEST(SetAside, KeepsTheNewestUnderNamesNotUsedBefore) {
  const std::vector<std::string_view> names = {
      "save",           "save.damaged.3",           "save.damaged",    "save.damaged.2",
      "save.damaged.x", "save.damaged.12345678901", "saved.damaged.9", "save.damaged.03"};
  std::vector<std::string> dropped;
  const auto move = [](const std::string&) -> std::optional<std::string> { return std::nullopt; };
  const auto drop = [&dropped](const std::string& name) { dropped.push_back(name); };
  EXPECT_EQ(setAsideKeepingTheNewest("save", names, 2, move, drop).name, "save.damaged.4");
  EXPECT_EQ(dropped, (std::vector<std::string>{"save.damaged", "save.damaged.2"}));

  // A run that cannot be moved leaves every other one where it is.
  dropped.clear();
  const auto full = [](const std::string&) -> std::optional<std::string> { return "full"; };
  EXPECT_EQ(setAsideKeepingTheNewest("save", names, 1, full, drop).error, "full");
  EXPECT_TRUE(dropped.empty());
  EXPECT_EQ(setAsideKeepingTheNewest("save", {"save"}, 1, move, drop).name, "save.damaged");
}

}  // namespace
}  // namespace qm::testing
