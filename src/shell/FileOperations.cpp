#include <windows.h>
#include <shellapi.h>

#include "platform/UniqueHandle.h"
#include "shell/PathCharacters.h"
#include "shell/shell.h"

namespace shell {

namespace {

// The file search's attribute bits that an entry must not carry unless they are asked for.
constexpr DWORD HiddenAttribute = 2;
constexpr DWORD SystemAttribute = 4;
constexpr DWORD VolumeLabelAttribute = 8;
constexpr DWORD FolderAttribute = 16;
constexpr DWORD ExcludedUnlessAsked =
    HiddenAttribute | SystemAttribute | VolumeLabelAttribute | FolderAttribute;
// Every plain file (read-only, hidden, system, archive), and everything.
constexpr DWORD PlainFiles = 39;
constexpr DWORD AnyEntry = 63;

// Calls visit(entry) for each entry of the search for pattern that carries no excluded bit
// outside of requested, in the order the file system returns them.
template <class Visit>
void Search(const std::string& pattern, DWORD requested, Visit visit) {
    WIN32_FIND_DATAA entry;
    platform::unique_hfind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search) return;
    do {
        if ((entry.dwFileAttributes & ExcludedUnlessAsked & ~requested) == 0) visit(entry);
    } while (FindNextFileA(search.get(), &entry));
}

bool IsSubfolder(const WIN32_FIND_DATAA& entry) {
    std::string name = entry.cFileName;
    return (entry.dwFileAttributes & FolderAttribute) && name != "." && name != "..";
}

// The shell wants its path lists zero-separated and doubly zero-terminated.
std::string PathList(const std::string& path) { return path + '\0'; }

// Silent, and every confirmation answered with yes (together 20).
constexpr FILEOP_FLAGS QuietFlags = FOF_SILENT | FOF_NOCONFIRMATION;

}  // namespace

bool EndsWithSeparator(const std::string& path, UINT codePage) {
    return !path.empty() && LastCharacterStart(path, codePage) == path.size() - 1 &&
           path.back() == '\\';
}

std::string JoinPath(const std::string& dir, const std::string& name, UINT codePage) {
    if (dir.empty() || EndsWithSeparator(dir, codePage)) return dir + name;
    return dir + '\\' + name;
}

bool CopyFolder(const std::string& source, const std::string& destination,
                const BeforeCopyHook& beforeCopy) {
    std::string from = PathList(source);
    std::string to = PathList(destination);
    SHFILEOPSTRUCTA request{};
    request.wFunc = FO_COPY;
    request.pFrom = from.c_str();
    request.pTo = to.c_str();
    request.fFlags = QuietFlags;
    if (beforeCopy) beforeCopy();
    return SHFileOperationA(&request) == 0;
}

bool DeleteFolder(const std::string& path) {
    std::string from = PathList(path);
    SHFILEOPSTRUCTA request{};
    request.wFunc = FO_DELETE;
    request.pFrom = from.c_str();
    request.fFlags = QuietFlags;
    return SHFileOperationA(&request) == 0;
}

void FindFiles(const std::string& dir, StringList& list, const std::string& mask, bool recurse) {
    Search(JoinPath(dir, mask), PlainFiles, [&](const WIN32_FIND_DATAA& entry) {
        list.push_back(JoinPath(dir, entry.cFileName));
    });
    if (!recurse) return;
    Search(JoinPath(dir, "*.*"), AnyEntry, [&](const WIN32_FIND_DATAA& entry) {
        if (IsSubfolder(entry)) FindFiles(JoinPath(dir, entry.cFileName), list, mask, recurse);
    });
}

}  // namespace shell
