// What the Uninstall button does: remove the application, the media files, the Desktop shortcut
// and the Start-menu group, then say whether everything went. What cannot be removed (a running
// or read-only file) is named, and the button stays for another try.
#include "Installer.h"

#include "Product.h"
#include "SetupFolders.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "shell/shell.h"

#include <windows.h>

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Gone when deleted now or already missing. Asking DeleteFileA rather than looking again
// afterwards saves a second file system call per media file.
bool DeleteFileIfPresent(const std::string& path) {
    if (DeleteFileA(path.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::wstring LeftoversMessage(const shell::StringList& leftovers) {
    std::wstring message = L"Setup could not remove:\n";
    for (const std::string& path : leftovers) message += L"\n" + platform::FromAnsi(path);
    message += L"\n\nIf " + platform::FromAnsi(product::DisplayName) +
               L" is running, close it and try again.";
    return message;
}

}  // namespace

void TForm1::Button5Click() {
    // Every root must be known before anything is deleted.
    setup::ProgramFilesFolder();
    setup::DesktopFolder();
    setup::ProgramsFolder();

    shell::StringList leftovers;
    auto removeFile = [&leftovers](const std::string& path) {
        if (!DeleteFileIfPresent(path)) leftovers.push_back(path);
    };

    removeFile(product::InstalledApplication(setup::ProgramFilesFolder()));

    shell::StringList mediaFiles;
    shell::FindFiles(product::InstalledMediaFolder(setup::ProgramFilesFolder()), mediaFiles, "*.*",
                     false);
    for (const std::string& file : mediaFiles) removeFile(file);

    removeFile(setup::DesktopFolder() + "\\" + product::DisplayName + ".lnk");

    // A group that is already gone counts as removed; the shell would only report it missing.
    const std::string group = product::StartMenuGroup(setup::ProgramsFolder());
    if (Exists(group)) {
        shell::DeleteFolder(group);
        if (Exists(group)) leftovers.push_back(group);
    }

    if (!leftovers.empty()) throw platform::ESetupError(LeftoversMessage(leftovers));

    PageControl1.SetActivePage(UninstallFinishedPage);
}
