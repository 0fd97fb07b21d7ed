#include <windows.h>

#include <algorithm>
#include <string>

#include "app/saved_run.h"
#include "app/system.h"
#include "platform/windows/system_error.h"
#include "platform/windows/unicode.h"

// Paths are UTF-8, as programArguments() and defaultSaveFile() give them, and go to the
// system's UTF-16 calls.
namespace qm {

namespace {

std::string lastError() {
  return systemErrorText(GetLastError());
}

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

// Makes the folders that lead to `path`, past its drive or its server and share.
void makeFoldersFor(const std::string& path) {
  for (std::size_t at = 1; at < path.size(); ++at) {
    if (!isSeparator(path[at]) || path[at - 1] == ':') continue;
    // An existing one is left as it is.
    CreateDirectoryW(wideFromUtf8(path.substr(0, at)).c_str(), nullptr);
  }
}

// A path whose last part is empty, "." or ".." names a folder whatever is on the disk. Such a
// path is never a save, and a lock made from it would land inside that folder.
bool namesAFolder(const std::string& path) {
  const auto separator = std::find_if(path.rbegin(), path.rend(), isSeparator);
  const std::string last(separator.base(), path.end());
  return last.empty() || last == "." || last == "..";
}

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD put = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    if (!WriteFile(file, bytes.data(), size, &put, nullptr) || put == 0) return false;
    bytes.remove_prefix(put);
  }
  return true;
}

class SaveFile final : public RunStorage {
 public:
  SaveFile(std::string path, bool makeFolders)
      : path_(std::move(path)), makeFolders_(makeFolders) {}
  ~SaveFile() override {
    if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);  // and the lock goes with it
  }
  SaveFile(const SaveFile&) = delete;
  SaveFile& operator=(const SaveFile&) = delete;

  std::string where() const override { return path_; }

  // Where no lock file can be made (a folder that cannot be written), nothing can be kept
  // either, so the game goes on unlocked. A path that names a folder is left untouched: read()
  // refuses it as not a file.
  bool claim() override {
    if (namesAFolder(path_)) return true;
    if (makeFolders_) makeFoldersFor(path_);
    lock_ = CreateFileW(wideFromUtf8(path_ + ".lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (lock_ == INVALID_HANDLE_VALUE) return true;
    OVERLAPPED whole = {};
    return LockFileEx(lock_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                      &whole) != 0;
  }

  Stored read() override {
    Stored stored;
    const HANDLE file = CreateFileW(wideFromUtf8(path_).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        stored.error = systemErrorText(error);
      }
      return stored;
    }
    stored.found = true;
    char buffer[4096];
    while (stored.text.size() <= kLargestSave) {
      // Up to a byte past the largest save, enough to tell a file that is too large.
      const auto wanted = static_cast<DWORD>(
          std::min<std::size_t>(sizeof buffer, kLargestSave + 1 - stored.text.size()));
      DWORD got = 0;
      if (!ReadFile(file, buffer, wanted, &got, nullptr)) {
        stored.error = lastError();
        break;
      }
      if (got == 0) break;
      stored.text.append(buffer, got);
    }
    CloseHandle(file);
    return stored;
  }

  // The new text goes to a file beside the save, is flushed to the disk, and then takes the
  // save's name in one step that is itself written through.
  std::optional<std::string> write(std::string_view text) override {
    const std::wstring temporary = wideFromUtf8(path_ + ".tmp");
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    bool written = writeAll(file, text) && FlushFileBuffers(file);
    std::string error = written ? "" : lastError();
    CloseHandle(file);
    if (written && !MoveFileExW(temporary.c_str(), wideFromUtf8(path_).c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      written = false;
      error = lastError();
    }
    if (written) return std::nullopt;
    DeleteFileW(temporary.c_str());
    return error;
  }

  SetAside setAside() override {
    const auto taken = [](const std::string& name) {
      return GetFileAttributesW(wideFromUtf8(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    const auto move = [this](const std::string& name) -> std::optional<std::string> {
      if (MoveFileExW(wideFromUtf8(path_).c_str(), wideFromUtf8(name).c_str(),
                      MOVEFILE_WRITE_THROUGH)) {
        return std::nullopt;
      }
      return lastError();
    };
    return setAsideUnderAFreeName(path_, taken, move);
  }

  void remove() override { DeleteFileW(wideFromUtf8(path_).c_str()); }

 private:
  std::string path_;
  bool makeFolders_;
  HANDLE lock_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::optional<std::string> defaultSaveFile() {
  const DWORD size = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
  if (size <= 1) return std::nullopt;  // not set, or set to nothing
  std::wstring local(size, L'\0');
  local.resize(GetEnvironmentVariableW(L"LOCALAPPDATA", local.data(), size));
  if (local.empty()) return std::nullopt;
  return utf8FromWide(local) + "\\Quillmarrow\\save";
}

std::string_view userFolderVariable() {
  return "LOCALAPPDATA";
}

std::unique_ptr<RunStorage> saveFileStorage(std::string path, bool makeFolders) {
  return std::make_unique<SaveFile>(std::move(path), makeFolders);
}

}  // namespace qm
