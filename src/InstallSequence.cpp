// What the Install and Launch Application buttons do. Every root is looked up again where a path
// needs it; an error ends the installation where it stands and the application shows it.
#include "Installer.h"

#include "Product.h"
#include "SetupFolders.h"
#include "platform/FilePaths.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/UniqueHandle.h"
#include "shell/shell.h"

namespace {

// Three advances fill the bar: 34, 68, then 100, where stepping stops.
constexpr int InstallProgressStep = 34;

void CreateGroupShortcut(const std::string& target, const std::string& name) {
    std::string linkPath;
    shell::CreateShortcut(target, shell::ExplicitFolderLocation,
                          product::StartMenuGroup(setup::ProgramsFolder()), "", "", name, linkPath);
}

void CheckCopied() {
    const std::string application = product::InstalledApplication(setup::ProgramFilesFolder());
    if (platform::FileExists(application)) return;
    throw platform::ESetupError(
        L"Setup could not copy the product into \"" +
        platform::FromAnsi(product::EditionPath(setup::ProgramFilesFolder())) + L"\".");
}

// Quoted and with the application's folder as its working directory, as its shortcuts start it:
// an unquoted path with blanks could start another program.
void StartApplication(const std::string& application) {
    if (!platform::FileExists(application)) return;
    std::string commandLine = "\"" + application + "\"";
    const std::string folder = platform::ExtractFilePath(application);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &process)) {
        platform::unique_handle processHandle(process.hProcess);
        platform::unique_handle threadHandle(process.hThread);
    }
}

}  // namespace

void TForm1::Button2Click() {
    Label3.Hide();
    ProgressBar1.Show();
    Button2.SetEnabled(false);

    // Both roots must be known before anything is copied or made.
    setup::ProgramsFolder();
    shell::CopyFolder(product::CopySource(platform::ExtractFilePath(platform::ExeName())),
                      setup::ProgramFilesFolder(),
                      [this] { ProgressBar1.SetStep(InstallProgressStep); });
    CheckCopied();

    CreateDirectoryA(product::StartMenuFamilyFolder(setup::ProgramsFolder()).c_str(), nullptr);
    CreateDirectoryA(product::StartMenuGroup(setup::ProgramsFolder()).c_str(), nullptr);
    ProgressBar1.StepIt();

    CreateGroupShortcut(product::InstalledApplication(setup::ProgramFilesFolder()),
                        product::DisplayName);
    CreateGroupShortcut(product::InstalledUninstaller(setup::ProgramFilesFolder()),
                        product::UninstallShortcutName);
    ProgressBar1.StepIt();

    // An empty Desktop folder only means no Desktop shortcut: the shortcut routine writes none.
    std::string linkPath;
    shell::CreateShortcut(product::InstalledApplication(setup::ProgramFilesFolder()),
                          shell::DesktopLocation, "", "", "", product::DisplayName, linkPath);
    ProgressBar1.StepIt();

    PageControl1.SetActivePage(InstallFinishedPage);
}

void TForm1::Button4Click() {
    const std::string programFiles = shell::GetSystemFolder(shell::ProgramFilesFolderKind);
    if (!programFiles.empty()) StartApplication(product::InstalledApplication(programFiles));
    Close();
}
