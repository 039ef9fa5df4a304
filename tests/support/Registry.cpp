#include "support/Registry.h"

#include <sddl.h>

#include <stdexcept>

#include "platform/UniqueHandle.h"

namespace testing_support {

namespace {

platform::unique_hkey Open(HKEY root, const std::string& keyPath) {
    platform::unique_hkey key;
    RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS, key.put());
    return key;
}

// Empty when the key cannot be made; destructors go on without it.
platform::unique_hkey Create(HKEY root, const std::string& keyPath) {
    platform::unique_hkey key;
    RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                    nullptr);
    return key;
}

bool Write(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
           const void* data, DWORD size) {
    platform::unique_hkey key = Create(root, keyPath);
    return key && RegSetValueExA(key.get(), valueName.c_str(), 0, type,
                                 static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

// The shortest leading part of keyPath that does not exist yet, or empty when all of it does.
std::string FirstMissingKey(HKEY root, const std::string& keyPath) {
    for (size_t end = keyPath.find('\\');; end = keyPath.find('\\', end + 1)) {
        std::string part = keyPath.substr(0, end);
        if (!KeyExists(root, part)) return part;
        if (end == std::string::npos) return {};
    }
}

}  // namespace

bool KeyExists(HKEY root, const std::string& keyPath) { return bool(Open(root, keyPath)); }

ScopedRegistryValue::ScopedRegistryValue(HKEY root, std::string keyPath, std::string valueName)
    : root_(root), keyPath_(std::move(keyPath)), valueName_(std::move(valueName)) {
    createdKey_ = FirstMissingKey(root_, keyPath_);
    platform::unique_hkey key = Create(root_, keyPath_);
    if (!key) throw std::runtime_error("cannot create registry key " + keyPath_);
    DWORD size = 0;
    existed_ = RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &type_, nullptr, &size) ==
               ERROR_SUCCESS;
    if (!existed_) return;
    data_.resize(size);
    RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &type_, data_.data(), &size);
    data_.resize(size);
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (!createdKey_.empty()) {
        RegDeleteTreeA(root_, createdKey_.c_str());
        return;
    }
    if (existed_)
        Write(root_, keyPath_, valueName_, type_, data_.data(), static_cast<DWORD>(data_.size()));
    else
        Remove();
}

void ScopedRegistryValue::Set(DWORD type, const void* data, DWORD size) {
    if (!Write(root_, keyPath_, valueName_, type, data, size))
        throw std::runtime_error("cannot set registry value " + valueName_);
}

void ScopedRegistryValue::SetString(const std::string& text, DWORD type) {
    Set(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void ScopedRegistryValue::SetNumber(DWORD number) { Set(REG_DWORD, &number, sizeof number); }

void ScopedRegistryValue::Remove() {
    platform::unique_hkey key = Open(root_, keyPath_);
    if (key) RegDeleteValueA(key.get(), valueName_.c_str());
}

ScopedMissingKey::ScopedMissingKey(HKEY root, std::string keyPath)
    : root_(root), keyPath_(std::move(keyPath)) {
    platform::unique_hkey key = Open(root_, keyPath_);
    existed_ = bool(key);
    if (!existed_) return;
    DWORD subKeys = 0;
    RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr);
    if (subKeys != 0) throw std::runtime_error(keyPath_ + " has subkeys: not taken away");
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        Value value{name, type, std::vector<BYTE>(size)};
        RegQueryValueExA(key.get(), name, nullptr, &value.type, value.data.data(), &size);
        value.data.resize(size);
        values_.push_back(std::move(value));
    }
    key = platform::unique_hkey();
    if (RegDeleteKeyA(root_, keyPath_.c_str()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot remove registry key " + keyPath_);
}

ScopedMissingKey::~ScopedMissingKey() {
    if (!existed_) {
        RegDeleteTreeA(root_, keyPath_.c_str());
        return;
    }
    Create(root_, keyPath_);
    for (const Value& value : values_)
        Write(root_, keyPath_, value.name, value.type, value.data.data(),
              static_cast<DWORD>(value.data.size()));
}

ScopedReadOnlyKey::ScopedReadOnlyKey(HKEY root, std::string keyPath)
    : root_(root), keyPath_(std::move(keyPath)) {
    platform::unique_hkey key;
    if (RegOpenKeyExA(root_, keyPath_.c_str(), 0, READ_CONTROL | WRITE_DAC, key.put()) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot open registry key " + keyPath_);
    DWORD size = 0;
    RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    savedSecurity_.resize(size);
    if (RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, savedSecurity_.data(), &size) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot read the access list of " + keyPath_);
    // Protected, so that nothing inherited grants more: read access for everyone, nothing else.
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                         &readOnly, nullptr);
    LONG set = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, readOnly);
    LocalFree(readOnly);
    if (set != ERROR_SUCCESS) throw std::runtime_error("cannot restrict " + keyPath_);
}

ScopedReadOnlyKey::~ScopedReadOnlyKey() {
    // The owner may always change the access list.
    platform::unique_hkey key;
    RegOpenKeyExA(root_, keyPath_.c_str(), 0, WRITE_DAC, key.put());
    RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, savedSecurity_.data());
}

ScopedShellFolder::ScopedShellFolder(const std::string& valueName, const std::string& path)
    : shellFolders_(HKEY_CURRENT_USER, ShellFoldersKey, valueName),
      userShellFolders_(HKEY_CURRENT_USER, UserShellFoldersKey, valueName) {
    shellFolders_.SetString(path);
    userShellFolders_.SetString(path, REG_EXPAND_SZ);
}

}  // namespace testing_support
