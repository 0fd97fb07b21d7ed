#include <windows.h>

#include <string>
#include <utility>

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

constexpr std::string_view kSeparators = "\\/";

// An open file handle, closed when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  Handle& operator=(Handle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

Handle openFile(const std::string& path, DWORD access, DWORD disposition) {
  return Handle(CreateFileW(wideFromUtf8(path).c_str(), access,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool isMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
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

  std::string where() const override { return path_; }

  // The lock file is opened for writing, or for reading only where it is there but cannot be
  // written (read-only, or left by another user), since a lock needs no more. Where there is no
  // lock file and none can be made (a folder that is missing or cannot be written), nothing could
  // be kept either: that is told at once, with the reason. A path that names a folder is left
  // untouched: read() refuses it as not a file.
  Claim claim() override {
    if (namesAFolder(path_, kSeparators)) return {};
    if (makeFolders_) {
      makeFoldersLeadingTo(path_, kSeparators, [](const std::string& folder) {
        CreateDirectoryW(wideFromUtf8(folder).c_str(), nullptr);  // an existing one is left be
      });
    }
    const std::string lock = path_ + ".lock";
    lock_ = openFile(lock, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (!lock_) {
      std::string whyNotMade = lastError();
      lock_ = openFile(lock, GENERIC_READ, OPEN_EXISTING);
      if (!lock_) {
        return {.heldElsewhere = false,
                .error = isMissing(GetLastError()) ? std::move(whyNotMade) : lastError()};
      }
    }
    OVERLAPPED whole = {};
    if (LockFileEx(lock_.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &whole)) {
      return {};
    }
    if (GetLastError() == ERROR_LOCK_VIOLATION)
      return {.heldElsewhere = true, .error = std::nullopt};
    return {.heldElsewhere = false, .error = lastError()};
  }

  Stored read() override {
    Stored stored;
    const Handle file = openFile(path_, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
      if (!isMissing(GetLastError())) stored.error = lastError();
      return stored;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
      stored.error = "not a file";
      return stored;
    }
    stored.found = true;
    readUpToPastTheLargestSave(stored, [&file](char* buffer, std::size_t size) -> ReadSome {
      DWORD got = 0;
      if (!ReadFile(file.get(), buffer, static_cast<DWORD>(size), &got, nullptr)) {
        return {.count = 0, .error = lastError()};
      }
      return {.count = got, .error = std::nullopt};
    });
    return stored;
  }

  // The new text goes to a file beside the save, is flushed to the disk, and then takes the
  // save's name in one step that is itself written through.
  std::optional<std::string> write(std::string_view text) override {
    const std::wstring temporary = wideFromUtf8(path_ + ".tmp");
    std::optional<std::string> error;
    {
      const Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file) return lastError();
      if (!writeAll(file.get(), text) || !FlushFileBuffers(file.get())) error = lastError();
    }
    if (!error && MoveFileExW(temporary.c_str(), wideFromUtf8(path_).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return std::nullopt;
    }
    if (!error) error = lastError();
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

  std::optional<std::string> remove() override {
    if (DeleteFileW(wideFromUtf8(path_).c_str()) || isMissing(GetLastError())) {
      return std::nullopt;
    }
    return lastError();
  }

 private:
  std::string path_;
  bool makeFolders_;
  Handle lock_;  // held until the game ends, and the lock with it
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
