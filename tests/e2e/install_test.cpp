// Installing from a medium through the real Install.exe: what lands on disk, the shortcuts as an
// independent reader sees them, the finish page, and Launch Application.
#include <gtest/gtest.h>

#include "support/LnkInfo.h"
#include "support/SetupMachine.h"

using namespace testing_support;

namespace {

class Installation : public ::testing::Test {
protected:
    void ExpectShortcut(const std::string& link, const std::string& target,
                        const std::string& description) {
        SCOPED_TRACE(link);
        ASSERT_TRUE(FileExists(link));
        LnkInfo info = ReadLnk(link);
        EXPECT_EQ(info.targetPath, target);
        EXPECT_EQ(info.workingDirectory, target.substr(0, target.find_last_of('\\') + 1));
        EXPECT_EQ(info.description, description);
        EXPECT_EQ(info.arguments, "");
    }
    void ExpectInstalledTree() {
        EXPECT_TRUE(FileExists(machine.InstalledApplication()));
        EXPECT_TRUE(FileExists(machine.InstalledUninstaller()));
        EXPECT_EQ(ListFolder(machine.InstalledEdition()),
                  (std::vector<std::string>{"Pellorin.exe", "media", "notes.txt", "uninst"}));
        EXPECT_EQ(ListFolder(machine.InstalledMedia()),
                  (std::vector<std::string>{"credits.txt", "sub", "theme.txt"}));
        EXPECT_EQ(ReadTextFile(machine.InstalledMedia() + "\\sub\\extra.txt"), "in a media subfolder");
    }
    void ExpectShortcuts() {
        ExpectShortcut(machine.Group() + "\\Marrowick - Tessel Moor.lnk",
                       machine.InstalledApplication(), "Marrowick - Tessel Moor");
        ExpectShortcut(machine.Group() + "\\Uninstall.lnk", machine.InstalledUninstaller(),
                       "Uninstall");
        ExpectShortcut(machine.DesktopShortcut(), machine.InstalledApplication(),
                       "Marrowick - Tessel Moor");
        EXPECT_EQ(ListFolder(machine.Group()),
                  (std::vector<std::string>{"Marrowick - Tessel Moor.lnk", "Uninstall.lnk"}));
    }

    SetupMachine machine;
};

TEST_F(Installation, FreshMachineGetsTreeShortcutsAndFinishPage) {
    SetupRun run(machine.MediumExe());
    WindowWatcher dialogs(run.Process().Id());
    run.InstallToTheEnd();

    EXPECT_EQ(dialogs.NewWindows().size(), 0u) << WindowWatcher::Describe(dialogs.NewWindows());
    EXPECT_TRUE(run.Shows(L"Launch Application"));
    EXPECT_TRUE(run.Shows(L"Exit"));
    EXPECT_FALSE(run.Shows(L"Install"));
    ProgressBarState bar = ReadProgressBar(FindChild(run.Window(), "msctls_progress32", L"")->handle);
    EXPECT_EQ(bar.position, bar.maximum) << "the bar is full after the third advance";
    EXPECT_EQ(bar.maximum, 100);
    ExpectInstalledTree();
    ExpectShortcuts();

    EXPECT_EQ(run.PressToClose(L"Exit"), 0u);
}

TEST_F(Installation, AgainOverAnInstallationReplacesFilesAndKeepsOtherGroups) {
    Install(machine);
    WriteTextFile(machine.InstalledMedia() + "\\theme.txt", "changed since");
    WriteTextFile(machine.Group() + "\\Uninstall.lnk", "not a shortcut");
    WriteTextFile(machine.DesktopShortcut(), "not a shortcut");
    const std::string otherGroup = machine.Programs() + "\\Marrowick\\Other Edition";
    WriteTextFile(otherGroup + "\\Other.lnk", "another edition's shortcut");

    SetupRun run(machine.MediumExe());
    WindowWatcher dialogs(run.Process().Id());
    run.InstallToTheEnd();

    EXPECT_EQ(dialogs.NewWindows().size(), 0u) << WindowWatcher::Describe(dialogs.NewWindows());
    EXPECT_EQ(ReadTextFile(machine.InstalledMedia() + "\\theme.txt"), "theme");
    ExpectInstalledTree();
    ExpectShortcuts();
    EXPECT_EQ(ListFolder(otherGroup), std::vector<std::string>{"Other.lnk"});
    EXPECT_EQ(ReadTextFile(otherGroup + "\\Other.lnk"), "another edition's shortcut");
}

TEST_F(Installation, LaunchStartsTheApplicationInItsFolderAndCloses) {
    SetupRun run(machine.MediumExe());
    run.InstallToTheEnd();
    const std::string marker = machine.InstalledEdition() + "\\Pellorin.started";

    EXPECT_EQ(run.PressToClose(L"Launch Application"), 0u);
    // The application holds the marker open while it writes it: wait until it can be read.
    std::string workingDirectory;
    ASSERT_TRUE(WaitUntil([&] {
        try {
            workingDirectory = ReadTextFile(marker);
        } catch (const std::runtime_error&) {
            return false;
        }
        return !workingDirectory.empty();
    })) << "the application did not start";
    EXPECT_EQ(workingDirectory, machine.InstalledEdition());
    // It writes the marker before it makes its window.
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("PellorinDemo", nullptr) != nullptr; }));
    EXPECT_TRUE(CloseDemoApplication());
}

TEST_F(Installation, LaunchWithTheApplicationMissingStartsNothingAndCloses) {
    SetupRun run(machine.MediumExe());
    run.InstallToTheEnd();
    ASSERT_TRUE(DeleteFileA(machine.InstalledApplication().c_str()));

    EXPECT_EQ(run.PressToClose(L"Launch Application"), 0u);
    Sleep(500);
    EXPECT_EQ(FindWindowA("PellorinDemo", nullptr), nullptr);
    EXPECT_FALSE(FileExists(machine.InstalledEdition() + "\\Pellorin.started"));
}

}  // namespace
