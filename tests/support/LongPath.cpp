#include "support/LongPath.h"

#include <windows.h>

#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/UniqueHandle.h"

namespace testing_support {

namespace {

std::wstring Long(const std::string& path) { return L"\\\\?\\" + platform::FromAnsi(path); }

}  // namespace

void MakeLongFolders(const std::string& path) {
    for (size_t at = path.find('\\', 3);; at = path.find('\\', at + 1)) {
        CreateDirectoryW(Long(path.substr(0, at)).c_str(), nullptr);
        if (at == std::string::npos) break;
    }
}

void WriteLongFile(const std::string& path, const std::string& content) {
    MakeLongFolders(path.substr(0, path.find_last_of('\\')));
    platform::unique_hfile file(CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

void RemoveLongTree(const std::string& path) {
    WIN32_FIND_DATAW entry;
    platform::unique_hfind search(FindFirstFileW((Long(path) + L"\\*").c_str(), &entry));
    if (search) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::string child = path + "\\" + platform::ToAnsi(name);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveLongTree(child);
            } else {
                SetFileAttributesW(Long(child).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(Long(child).c_str());
            }
        } while (FindNextFileW(search.get(), &entry));
    }
    search = platform::unique_hfind();
    RemoveDirectoryW(Long(path).c_str());
}

std::string DeepFolderName(const std::string& base, size_t length) {
    std::string path = base;
    for (int segment = 0; path.size() < length; ++segment)
        path += "\\deep folder " + std::to_string(segment) + std::string(36, 'x');
    return path;
}

}  // namespace testing_support
