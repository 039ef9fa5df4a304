// Uninstalling through the installed uninst\Install.exe: what goes, what stays, and what the
// user is told when something cannot be removed.
#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "support/SetupMachine.h"

using namespace testing_support;

namespace {

class Uninstallation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Install(machine)); }

    // Presses Uninstall, expects a box naming `leftover`, answers it and checks the window.
    void ExpectLeftoverReported(SetupRun& run, const std::string& leftover) {
        ASSERT_TRUE(Click(run.Button(L"Uninstall").handle));
        HWND box = run.Process().WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no message about what was left";
        MessageBoxContent content = ReadMessageBox(box);
        EXPECT_NE(content.text.find(platform::FromAnsi(leftover)),
                  std::wstring::npos)
            << "the message names " << leftover;
        EXPECT_NE(content.text.find(L"close it and try again"), std::wstring::npos);
        EXPECT_EQ(content.icon, MessageBoxIcon::Stop);
        ASSERT_TRUE(PressOk(box));
        ASSERT_TRUE(WaitForIdle(run.Window()));
        EXPECT_FALSE(run.Shows(L"Uninstall successful"));
        EXPECT_TRUE(run.Button(L"Uninstall").visible);
        EXPECT_TRUE(run.Button(L"Uninstall").enabled);
    }

    SetupMachine machine;
};

TEST_F(Uninstallation, RemovesTheProductAndLeavesTheRest) {
    SetupRun run(machine.InstalledUninstaller());
    run.UninstallToTheEnd();

    EXPECT_FALSE(FileExists(machine.InstalledApplication()));
    EXPECT_EQ(ListFolder(machine.InstalledMedia()), std::vector<std::string>{"sub"});
    EXPECT_TRUE(FileExists(machine.InstalledMedia() + "\\sub\\extra.txt"));
    EXPECT_FALSE(FileExists(machine.DesktopShortcut()));
    EXPECT_FALSE(FolderExists(machine.Group()));
    EXPECT_TRUE(FolderExists(machine.Programs() + "\\Marrowick"));
    EXPECT_TRUE(FileExists(machine.InstalledUninstaller()));
    EXPECT_TRUE(FileExists(machine.InstalledEdition() + "\\notes.txt"));
    EXPECT_EQ(run.PressToClose(L"Exit"), 0u);

    SetupRun again(machine.InstalledUninstaller());
    again.UninstallToTheEnd();
    EXPECT_EQ(again.PressToClose(L"Exit"), 0u);
}

TEST_F(Uninstallation, RunningApplicationIsReportedAndASecondPressFinishes) {
    AppProcess application(machine.InstalledApplication(), machine.InstalledEdition());
    ASSERT_NE(application.WaitForMainWindow(), nullptr);
    SetupRun run(machine.InstalledUninstaller());

    ExpectLeftoverReported(run, machine.InstalledApplication());
    EXPECT_FALSE(FileExists(machine.DesktopShortcut())) << "everything else is removed";
    EXPECT_FALSE(FolderExists(machine.Group()));

    ASSERT_TRUE(CloseDemoApplication());
    ASSERT_TRUE(application.WaitForExit().has_value());
    run.UninstallToTheEnd();
    EXPECT_FALSE(FileExists(machine.InstalledApplication()));
}

TEST_F(Uninstallation, ReadOnlyMediaFileIsReportedAndTheRestRemoved) {
    const std::string readOnly = machine.InstalledMedia() + "\\theme.txt";
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    SetupRun run(machine.InstalledUninstaller());

    ExpectLeftoverReported(run, readOnly);
    EXPECT_TRUE(FileExists(readOnly));
    EXPECT_FALSE(FileExists(machine.InstalledMedia() + "\\credits.txt"));
    EXPECT_FALSE(FileExists(machine.InstalledApplication()));
    EXPECT_FALSE(FileExists(machine.DesktopShortcut()));
    EXPECT_FALSE(FolderExists(machine.Group()));
}

}  // namespace
