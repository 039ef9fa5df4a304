#include "platform/FilePaths.h"

#include "platform/CodePage.h"
#include "platform/UniqueHandle.h"

#include <vector>

namespace platform {

std::string ExeName() {
    // A full buffer means the path was cut (error 122): try again with a bigger one.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExtractFilePath(const std::string& path, UINT codePage) {
    const char* begin = path.c_str();
    const char* end = begin;
    for (const char* at = begin; *at;) {
        const char* next = CharNextExA(static_cast<WORD>(codePage), at, 0);
        if (next == at + 1 && (*at == '\\' || *at == ':')) end = next;
        at = next;
    }
    return path.substr(0, static_cast<size_t>(end - begin));
}

std::string ExtractFileName(const std::string& path, UINT codePage) {
    return path.substr(ExtractFilePath(path, codePage).size());
}

namespace {

bool IsFile(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0; }

std::wstring LongPathForm(const std::string& path) {
    std::wstring wide = platform::FromAnsi(path);
    if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

}  // namespace

bool FileExists(const std::string& path) {
    if (path.size() < MAX_PATH) {
        WIN32_FIND_DATAA entry;
        platform::unique_hfind search(FindFirstFileA(path.c_str(), &entry));
        return search && IsFile(entry.dwFileAttributes);
    }
    WIN32_FIND_DATAW entry;
    platform::unique_hfind search(FindFirstFileW(LongPathForm(path).c_str(), &entry));
    return search && IsFile(entry.dwFileAttributes);
}

}  // namespace platform
