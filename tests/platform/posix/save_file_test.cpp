#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/run_storage.h"
#include "app/system.h"
#include "support/temporary_folder.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

// The save's place from the environment: XDG_STATE_HOME when it is absolute, otherwise the
// home's .local/state, and none without an absolute home.
TEST(SaveFile, StandsInTheUsersStateFolder) {
  struct Case {
    const char* state;
    const char* home;
    std::optional<std::string> file;
  };
  const Case cases[] = {
      {"/s", "/h", "/s/quillmarrow/save"},
      {"s", "/h", "/h/.local/state/quillmarrow/save"},
      {nullptr, "/h", "/h/.local/state/quillmarrow/save"},
      {nullptr, "h", std::nullopt},
      {nullptr, nullptr, std::nullopt},
  };
  const auto value = [](const char* name) -> std::optional<std::string> {
    const char* set = std::getenv(name);
    return set ? std::optional<std::string>(set) : std::nullopt;
  };
  const auto put = [](const char* name, const char* text) {
    if (text) {
      ::setenv(name, text, 1);
    } else {
      ::unsetenv(name);
    }
  };
  const std::optional<std::string> state = value("XDG_STATE_HOME");
  const std::optional<std::string> home = value("HOME");
  for (const Case& c : cases) {
    put("XDG_STATE_HOME", c.state);
    put("HOME", c.home);
    EXPECT_EQ(defaultSaveFile(), c.file)
        << (c.state ? c.state : "-") << " " << (c.home ? c.home : "-");
  }
  put("XDG_STATE_HOME", state ? state->c_str() : nullptr);
  put("HOME", home ? home->c_str() : nullptr);
}

TEST(SaveFile, ClaimRemovesOnlyTheTemporariesOfAStoppedWrite) {
  const TemporaryFolder folder;
  for (const char* name : {"save.tmp-a1B2c3", "save.tmp-a1B2", "other.tmp-a1B2c3", "save"}) {
    folder.put(name, "x");
  }
  const auto storage = saveFileStorage(folder / "save", false);
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  EXPECT_FALSE(fs::exists(folder / "save.tmp-a1B2c3"));
  for (const char* kept : {"save.tmp-a1B2", "other.tmp-a1B2c3", "save"}) {
    EXPECT_TRUE(fs::exists(folder / kept)) << kept;
  }
}

// A folder named as the save gets no lock inside it, and what is inside stays.
TEST(SaveFile, LeavesAFolderNamedAsTheSaveAlone) {
  const TemporaryFolder folder;
  folder.put(".tmp-a1B2c3", "x");
  for (const std::string& path : {folder / "", folder / ".", folder / ".."}) {
    const auto storage = saveFileStorage(path, false);
    ASSERT_EQ(storage->claim(), RunStorage::Claim{}) << path;
    EXPECT_EQ(storage->read().error, "not a file") << path;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / ""), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::exists(folder / ".tmp-a1B2c3"));
}

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A save kept through a symbolic link is replaced where the link points, also once a death has
// removed the file and left the link dead, and the link stays a link.
TEST(SaveFile, KeepsTheRunWhereItsLinkPoints) {
  const TemporaryFolder folder;
  fs::create_directory(folder / "synced");
  fs::create_symlink("synced/run", folder / "save");
  const auto storage = saveFileStorage(folder / "save", false);
  ASSERT_EQ(storage->claim(), RunStorage::Claim{});
  EXPECT_EQ(storage->where(), folder / "save");
  for (const std::string run : {"first run", "after a death"}) {
    ASSERT_EQ(storage->write(run), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder / "save"));
    EXPECT_EQ(contentsOf(folder / "synced/run"), run);
    EXPECT_EQ(storage->read().text, run);
    storage->remove();
    EXPECT_FALSE(fs::exists(folder / "synced/run"));
  }
  ASSERT_EQ(storage->write("damaged"), std::nullopt);
  EXPECT_EQ(storage->setAside().name, folder / "synced/run.damaged");
  EXPECT_TRUE(fs::is_symlink(folder / "save"));
}

// Reading /proc/self/mem from its start fails with EIO, as page 0 is never mapped: a regular
// file whose read fails, which no other file gives a test.
TEST(SaveFile, TellsAFileThatCannotBeRead) {
  struct stat status {};
  if (::stat("/proc/self/mem", &status) != 0) GTEST_SKIP() << "no /proc";
  const RunStorage::Stored stored = saveFileStorage("/proc/self/mem", false)->read();
  EXPECT_TRUE(stored.found);
  ASSERT_TRUE(stored.error);
  EXPECT_EQ(*stored.error, std::strerror(EIO));
}

}  // namespace
}  // namespace qm::testing
