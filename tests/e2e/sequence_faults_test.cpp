// The installation and uninstallation when the machine is not as they need it: a registry value
// of the wrong type, a root folder that cannot be found. The user is told, and nothing is
// created or deleted anywhere it should not be.
#include <gtest/gtest.h>

#include "support/SetupMachine.h"

using namespace testing_support;

namespace {

// Everything under the machine's root folders, for "nothing changed" checks.
std::vector<std::string> Snapshot(const std::string& folder) {
    std::vector<std::string> entries;
    for (const std::string& name : ListFolder(folder)) {
        const std::string path = folder + "\\" + name;
        entries.push_back(path);
        if (FolderExists(path))
            for (const std::string& inner : Snapshot(path)) entries.push_back(inner);
    }
    return entries;
}

// Presses the button and returns the box the program shows, answered and closed.
MessageBoxContent PressAndReadBox(SetupRun& run, const std::wstring& button) {
    MessageBoxContent content;
    EXPECT_TRUE(Click(run.Button(button).handle));
    HWND box = run.Process().WaitForMessageBox();
    if (!box) {
        ADD_FAILURE() << "no message box";
        return content;
    }
    content = ReadMessageBox(box);
    EXPECT_FALSE(IsWindowEnabled(run.Window())) << "the box is modal to the setup window";
    EXPECT_TRUE(PressOk(box));
    EXPECT_TRUE(WaitForIdle(run.Window()));
    return content;
}

TEST(InstallationFaults, ProgramFilesValueOfTheWrongTypeStopsTheSequence) {
    SetupMachine machine;
    machine.ProgramFilesValue().SetNumber(42);
    SetupRun run(machine.MediumExe());

    MessageBoxContent box = PressAndReadBox(run, L"Install");
    EXPECT_EQ(box.text, L"Ung\u00fcltiger Datentyp f\u00fcr 'ProgramFilesDir'");
    EXPECT_EQ(box.caption, L"Install");
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop) << ToString(box.icon);
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});

    // The window stays as the stopped sequence left it.
    EXPECT_FALSE(run.Button(L"Install").enabled);
    EXPECT_TRUE(FindChild(run.Window(), "msctls_progress32", L"")->visible);
    EXPECT_FALSE(run.Shows(L"Installation finished!"));
    EXPECT_TRUE(Snapshot(machine.ProgramFiles()).empty());
    EXPECT_EQ(run.PressToClose(L"Cancel"), 0u);
}

struct MissingRoot {
    const char* name;
    bool uninstall;             // else the installation
    const char* value;          // "ProgramFilesDir", "Programs" or "Desktop"
    const wchar_t* messagePart;
};

class MissingRootFolder : public ::testing::TestWithParam<MissingRoot> {};

TEST_P(MissingRootFolder, StopsBeforeTouchingAnythingAndSaysWhichFolder) {
    const MissingRoot& row = GetParam();
    SetupMachine machine;
    if (row.uninstall) {
        ASSERT_NO_FATAL_FAILURE(Install(machine));
    }
    const std::string value = row.value;
    if (value == "ProgramFilesDir") machine.ProgramFilesValue().Remove();
    if (value == "Programs") machine.SetProgramsValue("");
    if (value == "Desktop") machine.SetDesktopValue("");
    // Started in an empty folder: a path that lost its root would land here.
    const std::string workingFolder = machine.Root() / "working folder";
    MakeFolders(workingFolder);
    const std::vector<std::string> before = Snapshot(machine.Root().Path());

    SetupRun run(row.uninstall ? machine.InstalledUninstaller() : machine.MediumExe(),
                 workingFolder);
    MessageBoxContent box = PressAndReadBox(run, row.uninstall ? L"Uninstall" : L"Install");

    EXPECT_NE(box.text.find(row.messagePart), std::wstring::npos) << "message: " << box.text.size();
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop) << ToString(box.icon);
    EXPECT_EQ(Snapshot(machine.Root().Path()), before) << "something was created or deleted";
    EXPECT_EQ(run.PressToClose(L"Cancel"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, MissingRootFolder,
    ::testing::Values(
        MissingRoot{"InstallWithoutProgramFiles", false, "ProgramFilesDir", L"administrator"},
        MissingRoot{"InstallWithoutPrograms", false, "Programs", L"Programs folder"},
        MissingRoot{"UninstallWithoutProgramFiles", true, "ProgramFilesDir", L"Program Files folder"},
        MissingRoot{"UninstallWithoutPrograms", true, "Programs", L"Programs folder"},
        MissingRoot{"UninstallWithoutDesktop", true, "Desktop", L"Desktop folder"}),
    [](const ::testing::TestParamInfo<MissingRoot>& test) { return test.param.name; });

TEST(InstallationFaults, CopyThatDeliversNothingIsReportedNotFinished) {
    SetupMachine machine;
    const std::string notAFolder = machine.Root() / "not a folder";
    WriteTextFile(notAFolder, "a file where Program Files should be");
    machine.ProgramFilesValue().SetString(notAFolder);
    SetupRun run(machine.MediumExe());

    MessageBoxContent box = PressAndReadBox(run, L"Install");
    EXPECT_NE(box.text.find(L"not a folder\\Marrowick\\Tessel_Moor"), std::wstring::npos)
        << "the message names the destination";
    EXPECT_FALSE(run.Shows(L"Installation finished!"));
    EXPECT_TRUE(Snapshot(machine.Programs()).empty()) << "no Start-menu group after a failed copy";
    EXPECT_EQ(run.PressToClose(L"Cancel"), 0u);
}

TEST(InstallationFaults, NoDesktopFolderOnlyMeansNoDesktopShortcut) {
    SetupMachine machine;
    machine.SetDesktopValue("");
    SetupRun run(machine.MediumExe());
    run.InstallToTheEnd();

    EXPECT_TRUE(FileExists(machine.InstalledApplication()));
    EXPECT_TRUE(FileExists(machine.Group() + "\\Uninstall.lnk"));
    EXPECT_TRUE(Snapshot(machine.Desktop()).empty());
    EXPECT_EQ(run.PressToClose(L"Exit"), 0u);
}

}  // namespace
