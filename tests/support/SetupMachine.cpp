#include "support/SetupMachine.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace testing_support {

namespace {

void CopyFileTo(const std::string& from, const std::string& to) {
    MakeFolders(to.substr(0, to.find_last_of('\\')));
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + from + " to " + to);
}

}  // namespace

SetupMachine::SetupMachine()
    : programFilesDir_(HKEY_LOCAL_MACHINE, SetupKey, "ProgramFilesDir") {
    const std::string edition = Medium() + "\\Marrowick\\Tessel_Moor";
    CopyInstallExe(MediumExe());
    CopyInstallExe(edition + "\\uninst\\Install.exe");
    CopyFileTo(TEST_PELLORIN_EXE, edition + "\\Pellorin.exe");
    WriteTextFile(edition + "\\notes.txt", "other file of the edition");
    WriteTextFile(edition + "\\media\\theme.txt", "theme");
    WriteTextFile(edition + "\\media\\credits.txt", "credits");
    WriteTextFile(edition + "\\media\\sub\\extra.txt", "in a media subfolder");
    MakeFolders(ProgramFiles());
    MakeFolders(Programs());
    MakeFolders(Desktop());

    programFilesDir_.SetString(ProgramFiles());
    SetProgramsValue(Programs());
    SetDesktopValue(Desktop());
}

void SetupMachine::SetProgramsValue(const std::string& path) {
    programs_.reset();
    programs_.emplace("Programs", path);
}

void SetupMachine::SetDesktopValue(const std::string& path) {
    desktop_.reset();
    desktop_.emplace("Desktop", path);
}

SetupRun::SetupRun(const std::string& exePath, const std::string& workingDirectory)
    : process_(exePath, workingDirectory), window_(process_.WaitForMainWindow()) {
    if (!window_) throw std::runtime_error("the setup window did not appear: " + exePath);
}

ChildWindow SetupRun::Button(const std::wstring& text) const {
    std::optional<ChildWindow> button = FindChild(window_, "Button", text);
    if (!button) throw std::runtime_error("no button with that text");
    return *button;
}

bool SetupRun::Shows(const std::wstring& text) const {
    std::optional<ChildWindow> control = FindChild(window_, text);
    return control && control->visible;
}

void SetupRun::Press(const std::wstring& buttonText) {
    ASSERT_TRUE(Click(Button(buttonText).handle));
    ASSERT_TRUE(WaitForIdle(window_));
}

std::optional<DWORD> SetupRun::PressToClose(const std::wstring& buttonText) {
    if (!Click(Button(buttonText).handle)) return std::nullopt;
    return process_.WaitForExit();
}

void SetupRun::InstallToTheEnd() {
    Press(L"Install");
    ASSERT_TRUE(WaitUntil([this] { return Shows(L"Installation finished!"); }))
        << "the installation did not reach its finish page";
}

void SetupRun::UninstallToTheEnd() {
    Press(L"Uninstall");
    ASSERT_TRUE(WaitUntil([this] { return Shows(L"Uninstall successful"); }))
        << "the uninstallation did not reach its finish page";
}

void Install(SetupMachine& machine) {
    SetupRun run(machine.MediumExe());
    run.InstallToTheEnd();
    ASSERT_EQ(run.PressToClose(L"Exit"), 0u);
}

bool CloseDemoApplication() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        HWND window = FindWindowA("PellorinDemo", nullptr);
        if (!window) return true;
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        platform::unique_handle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (process) WaitForSingleObject(process.get(), 10000);
        WaitUntil([window] { return !IsWindow(window); }, 5000);
    }
    return FindWindowA("PellorinDemo", nullptr) == nullptr;
}

}  // namespace testing_support
