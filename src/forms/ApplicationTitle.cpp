#include "forms/ApplicationTitle.h"

#include "platform/FilePaths.h"
#include "platform/CodePage.h"

namespace forms {

std::string ApplicationTitle(const std::string& exePath, UINT codePage) {
    std::string name = platform::ExtractFileName(exePath, codePage);
    for (const char* at = name.c_str(); *at; at = CharNextExA(static_cast<WORD>(codePage), at, 0)) {
        if (*at == '.') {
            name.erase(static_cast<size_t>(at - name.c_str()));
            break;
        }
    }
    std::wstring title = platform::FromAnsi(name, codePage);
    if (title.size() > 1) CharLowerBuffW(&title[1], static_cast<DWORD>(title.size() - 1));
    return platform::ToAnsi(title, codePage);
}

}  // namespace forms
