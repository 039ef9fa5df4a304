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

    shell::StringList targets;
    targets.push_back(product::InstalledApplication(setup::ProgramFilesFolder()));
    DeleteFileA(targets.back().c_str());

    shell::StringList mediaFiles;
    shell::FindFiles(product::InstalledMediaFolder(setup::ProgramFilesFolder()), mediaFiles, "*.*",
                     false);
    for (const std::string& file : mediaFiles) {
        DeleteFileA(file.c_str());
        targets.push_back(file);
    }

    targets.push_back(setup::DesktopFolder() + "\\" + product::DisplayName + ".lnk");
    DeleteFileA(targets.back().c_str());

    // A group that is already gone counts as removed; the shell would only report it missing.
    targets.push_back(product::StartMenuGroup(setup::ProgramsFolder()));
    if (Exists(targets.back())) shell::DeleteFolder(targets.back());

    shell::StringList leftovers;
    for (const std::string& target : targets)
        if (Exists(target)) leftovers.push_back(target);
    if (!leftovers.empty()) throw platform::ESetupError(LeftoversMessage(leftovers));

    PageControl1.SetActivePage(UninstallFinishedPage);
}
