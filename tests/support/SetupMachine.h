#pragma once
// A machine prepared for the setup program: a distribution medium, and Program Files (with a
// blank in its path), Programs and Desktop folders of the test's own, which the registry values
// the program reads point to until the test ends.
#include <optional>
#include <string>

#include "support/Registry.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"

namespace testing_support {

class SetupMachine {
public:
    SetupMachine();

    const TempFolder& Root() const { return root_; }
    // The medium: Install.exe at its root, Marrowick\Tessel_Moor\ with Pellorin.exe, notes.txt,
    // media\ (theme.txt, credits.txt, sub\extra.txt) and uninst\Install.exe.
    std::string Medium() const { return root_ / "medium"; }
    std::string MediumExe() const { return Medium() + "\\Install.exe"; }
    std::string ProgramFiles() const { return root_ / "Program Files"; }
    std::string Programs() const { return root_ / "Start Menu\\Programs"; }
    std::string Desktop() const { return root_ / "Desktop"; }

    std::string InstalledEdition() const { return ProgramFiles() + "\\Marrowick\\Tessel_Moor"; }
    std::string InstalledApplication() const { return InstalledEdition() + "\\Pellorin.exe"; }
    std::string InstalledUninstaller() const { return InstalledEdition() + "\\uninst\\Install.exe"; }
    std::string InstalledMedia() const { return InstalledEdition() + "\\media"; }
    std::string Group() const { return Programs() + "\\Marrowick\\Tessel Moor"; }
    std::string DesktopShortcut() const { return Desktop() + "\\Marrowick - Tessel Moor.lnk"; }

    // The registry values behind the three roots, for tests that break one.
    ScopedRegistryValue& ProgramFilesValue() { return programFilesDir_; }
    void SetProgramsValue(const std::string& path);
    void SetDesktopValue(const std::string& path);

private:
    TempFolder root_;
    ScopedRegistryValue programFilesDir_;
    std::optional<ScopedShellFolder> programs_;
    std::optional<ScopedShellFolder> desktop_;
};

// The setup window of a started program, with the steps a user takes.
class SetupRun {
public:
    explicit SetupRun(const std::string& exePath, const std::string& workingDirectory = "");

    AppProcess& Process() { return process_; }
    HWND Window() const { return window_; }
    // The button with this text (on the page that shows, if several have it).
    ChildWindow Button(const std::wstring& text) const;
    bool Shows(const std::wstring& text) const;
    // Presses the button and waits until the program is idle again.
    void Press(const std::wstring& buttonText);
    // Presses a button that closes the window; the process's exit code once it has ended.
    std::optional<DWORD> PressToClose(const std::wstring& buttonText);
    // The process's exit code once the window has closed.
    std::optional<DWORD> ExitCode() { return process_.WaitForExit(); }
    // Presses Install and waits for the finish page; fails the test when it does not come.
    void InstallToTheEnd();
    void UninstallToTheEnd();

private:
    AppProcess process_;
    HWND window_ = nullptr;
};

// Installs from the machine's medium and closes the window with Exit.
void Install(SetupMachine& machine);

// Asks the demo product's windows to close and waits until they have; false when one stays.
bool CloseDemoApplication();

}  // namespace testing_support
