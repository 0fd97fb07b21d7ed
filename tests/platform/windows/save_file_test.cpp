#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/system.h"
#include "platform/windows/system_error.h"
#include "platform/windows/unicode.h"

namespace qm::testing {
namespace {

// A name outside every Western ANSI code page, where the ANSI calls would see "??".
constexpr const char* kChinese = "\xe6\xb5\x8b\xe8\xaf\x95";  // 测试

bool exists(const std::string& path) {
  return GetFileAttributesW(wideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(WindowsSaveFile, KeepsTheRunInAFolderNamedInAnyScript) {
  wchar_t temporary[MAX_PATH + 1] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH + 1, temporary), 0u);
  const std::string folder = utf8FromWide(temporary) + "quillmarrow-" + kChinese + "-" +
                             std::to_string(GetCurrentProcessId());
  const std::string file = folder + "\\" + kChinese + "\\save";
  {
    const std::unique_ptr<RunStorage> storage = saveFileStorage(file, true);
    ASSERT_EQ(storage->claim(), RunStorage::Claim{});
    EXPECT_EQ(storage->write("kept\n"), std::nullopt);
    EXPECT_TRUE(exists(file));
    EXPECT_EQ(storage->read().text, "kept\n");
    EXPECT_EQ(storage->setAside().error, std::nullopt);
    EXPECT_TRUE(exists(file + ".damaged"));
    EXPECT_FALSE(storage->read().found);
    // A second damaged run takes a name of its own.
    EXPECT_EQ(storage->write("kept again\n"), std::nullopt);
    EXPECT_EQ(storage->setAside().name, file + ".damaged.2");
    EXPECT_FALSE(exists(file));
  }
  for (const char* left : {"\\save.damaged", "\\save.damaged.2", "\\save.lock"}) {
    DeleteFileW(wideFromUtf8(folder + "\\" + kChinese + left).c_str());
  }
  RemoveDirectoryW(wideFromUtf8(folder + "\\" + kChinese).c_str());
  EXPECT_TRUE(RemoveDirectoryW(wideFromUtf8(folder).c_str())) << "something was left behind";
}

// A lock file that cannot be written (read-only, or another user's) locks the run all the same.
TEST(WindowsSaveFile, AReadOnlyLockFileStillLocks) {
  wchar_t temporary[MAX_PATH + 1] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH + 1, temporary), 0u);
  const std::string file =
      utf8FromWide(temporary) + "quillmarrow-locked-" + std::to_string(GetCurrentProcessId());
  const std::wstring lock = wideFromUtf8(file + ".lock");
  CloseHandle(CreateFileW(lock.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_READONLY, nullptr));
  ASSERT_NE(GetFileAttributesW(lock.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  {
    const std::unique_ptr<RunStorage> first = saveFileStorage(file, false);
    EXPECT_EQ(first->claim(), RunStorage::Claim{});
    EXPECT_TRUE(saveFileStorage(file, false)->claim().heldElsewhere);
  }
  SetFileAttributesW(lock.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(DeleteFileW(lock.c_str()));
}

// A reason stands in brackets in the middle of a line: no line end, no full stop.
TEST(WindowsSaveFile, ReasonsAreWordsWithoutTheSystemsFullStop) {
  for (const DWORD error : {ERROR_ACCESS_DENIED, ERROR_INVALID_NAME, ERROR_DISK_FULL}) {
    const std::string reason = systemErrorText(error);
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
    EXPECT_NE(reason.back(), '.') << reason;
    EXPECT_NE(reason.back(), ' ') << reason;
  }
}

TEST(WindowsSaveFile, StandsInLocalAppDataWhateverItsName) {
  const std::wstring local = L"C:\\Users\\" + wideFromUtf8(kChinese) + L"\\AppData\\Local";
  struct Case {
    const wchar_t* value;
    std::optional<std::string> file;
  };
  const Case cases[] = {
      {local.c_str(),
       "C:\\Users\\" + std::string(kChinese) + "\\AppData\\Local\\Quillmarrow\\save"},
      {L"", std::nullopt},
      {nullptr, std::nullopt},
  };
  wchar_t before[32767] = {};
  const bool wasSet = GetEnvironmentVariableW(L"LOCALAPPDATA", before, 32767) > 0;
  for (const Case& c : cases) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", c.value);
    EXPECT_EQ(defaultSaveFile(), c.file) << (c.value ? utf8FromWide(c.value) : "unset");
  }
  SetEnvironmentVariableW(L"LOCALAPPDATA", wasSet ? before : nullptr);
}

}  // namespace
}  // namespace qm::testing
