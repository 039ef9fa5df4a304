#include "SetupFolders.h"

#include "platform/Errors.h"
#include "shell/shell.h"

namespace setup {

namespace {

std::string Required(std::string folder, const wchar_t* whenMissing) {
    if (folder.empty()) throw platform::ESetupError(whenMissing);
    return folder;
}

}  // namespace

std::string ProgramFilesFolder() {
    return Required(shell::GetSystemFolder(shell::ProgramFilesFolderKind),
                    L"Setup could not find the Program Files folder. "
                    L"Setup may need to run as an administrator.");
}

std::string ProgramsFolder() {
    return Required(shell::GetProgramsFolder(),
                    L"Setup could not find the Start menu's Programs folder.");
}

std::string DesktopFolder() {
    return Required(shell::GetDesktopFolder(), L"Setup could not find the Desktop folder.");
}

}  // namespace setup
