#pragma once
// Registry fixtures: a test changes a value or removes a key, and the old state comes back when
// the fixture ends, whatever the test did in between.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// One value for the length of a test. Remembers the value's type and data, or that there was
// none; a key on the way that was missing is made and removed again at the end.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, std::string keyPath, std::string valueName);
    ~ScopedRegistryValue();
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

    void Set(DWORD type, const void* data, DWORD size);
    // The text with its terminating zero.
    void SetString(const std::string& text, DWORD type = REG_SZ);
    void SetNumber(DWORD number);
    void Remove();

private:
    HKEY root_;
    std::string keyPath_;
    std::string valueName_;
    std::string createdKey_;  // the first key on the way that was missing, or empty
    bool existed_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> data_;
};

// A key without subkeys taken away for the length of a test, then made again with its values.
class ScopedMissingKey {
public:
    ScopedMissingKey(HKEY root, std::string keyPath);
    ~ScopedMissingKey();
    ScopedMissingKey(const ScopedMissingKey&) = delete;
    ScopedMissingKey& operator=(const ScopedMissingKey&) = delete;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::string keyPath_;
    bool existed_ = false;
    std::vector<Value> values_;
};

// A key that everyone may read but nobody may open with full access, for the length of a test;
// its own access list comes back at the end.
class ScopedReadOnlyKey {
public:
    ScopedReadOnlyKey(HKEY root, std::string keyPath);
    ~ScopedReadOnlyKey();
    ScopedReadOnlyKey(const ScopedReadOnlyKey&) = delete;
    ScopedReadOnlyKey& operator=(const ScopedReadOnlyKey&) = delete;

private:
    HKEY root_;
    std::string keyPath_;
    std::vector<BYTE> savedSecurity_;
};

// A folder of the current user's shell folders, pointed somewhere else for the length of a test.
// Wine rewrites some "Shell Folders" values from "User Shell Folders" when the shell starts, so
// both are set.
class ScopedShellFolder {
public:
    ScopedShellFolder(const std::string& valueName, const std::string& path);

private:
    ScopedRegistryValue shellFolders_;
    ScopedRegistryValue userShellFolders_;
};

inline constexpr const char* ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* UserShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
inline constexpr const char* SetupKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

bool KeyExists(HKEY root, const std::string& keyPath);

}  // namespace testing_support
