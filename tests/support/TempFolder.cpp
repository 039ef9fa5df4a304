#include "support/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "platform/UniqueHandle.h"

namespace testing_support {

namespace {

std::atomic<unsigned> counter{0};

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string base = temp;
    if (base.back() != '\\') base += '\\';
    for (;;) {
        path_ = base + "setup test " + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(const std::string& relative) const {
    return path_ + "\\" + relative;
}

void MakeFolders(const std::string& path) {
    for (size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        if (at == std::string::npos) break;
    }
}

void WriteTextFile(const std::string& path, const std::string& content) {
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    platform::unique_hfile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

std::string ReadTextFile(const std::string& path) {
    platform::unique_hfile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    if (!file) throw std::runtime_error("cannot read " + path);
    std::string content(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    content.resize(read);
    return content;
}

bool FileExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    platform::unique_hfind search(FindFirstFileA((path + "\\*").c_str(), &entry));
    if (!search) return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search.get(), &entry));
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path) {
    for (const std::string& name : ListFolder(path)) {
        std::string child = path + "\\" + name;
        if (FolderExists(child)) {
            RemoveTree(child);
        } else {
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(child.c_str());
        }
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace testing_support
