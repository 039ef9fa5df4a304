// Shortcut files written by the shell's real link object, read back with lnkinfo. The registry
// folders of kinds 0 to 3 point at temporary folders while a test runs.
#include <windows.h>
#include <objbase.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/Errors.h"
#include "shell/shell.h"
#include "support/LnkInfo.h"
#include "support/ProcessHandles.h"
#include "support/Registry.h"
#include "support/TempFolder.h"

using testing_support::KeyExists;
using testing_support::ListFolder;
using testing_support::ReadLnk;
using testing_support::ScopedMissingKey;
using testing_support::ScopedRegistryValue;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

namespace {

const char* const GrpConvKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv";
const char* const MapGroupsKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";
const char* const UnchangedLinkPath = "(unchanged)";

// The main thread of the program has COM in the single-threaded apartment; so do these tests.
class Shortcuts : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        testing_support::WriteTextFile(target, "application");
    }
    void TearDown() override { CoUninitialize(); }

    TempFolder folders;
    const std::string targetFolder = folders / "Marrowick\\Tessel_Moor\\";
    const std::string target = targetFolder + "Pellorin.exe";
};

bool SystemHasText(HRESULT code) {
    wchar_t text[512];
    return FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                          static_cast<DWORD>(code), 0, text, 512, nullptr) != 0;
}

struct QuickLaunchFolder {
    QuickLaunchFolder(const std::string& path) { value.SetString(path); }
    ScopedMissingKey missingGrpConv{HKEY_CURRENT_USER, GrpConvKey};
    ScopedRegistryValue value{HKEY_CURRENT_USER, MapGroupsKey, "Quick Launch"};
};

}  // namespace

TEST_F(Shortcuts, EachLocationKindWritesIntoItsFolder) {
    TempFolder desktop, quickLaunch, startup, startMenu, explicitFolder;
    testing_support::MakeFolders(desktop / "Games");
    testing_support::MakeFolders(startMenu / "Tools");
    ScopedShellFolder desktopValue("Desktop", desktop.Path());
    QuickLaunchFolder quickLaunchValue(quickLaunch.Path());
    ScopedShellFolder startupValue("Startup", startup.Path());
    ScopedShellFolder startMenuValue("Start Menu", startMenu.Path());

    struct Row {
        const char* name;
        std::uint8_t location;
        std::string folder;
        std::string written;
    };
    const Row rows[] = {
        {"desktop", shell::DesktopLocation, "", desktop / "Tessel Moor.lnk"},
        {"desktop subfolder", shell::DesktopLocation, "Games", desktop / "Games\\Tessel Moor.lnk"},
        {"quick launch", shell::QuickLaunchLocation, "", quickLaunch / "Tessel Moor.lnk"},
        {"startup", shell::StartupLocation, "", startup / "Tessel Moor.lnk"},
        {"start menu", shell::StartMenuLocation, "", startMenu / "Tessel Moor.lnk"},
        {"start menu subfolder", shell::StartMenuLocation, "Tools",
         startMenu / "Tools\\Tessel Moor.lnk"},
        {"explicit folder", shell::ExplicitFolderLocation, explicitFolder.Path(),
         explicitFolder / "Tessel Moor.lnk"},
        {"explicit folder with a trailing separator", shell::ExplicitFolderLocation,
         explicitFolder.Path() + "\\", explicitFolder.Path() + "\\\\Tessel Moor.lnk"},
    };
    for (const Row& row : rows) {
        std::string linkPath = UnchangedLinkPath;
        shell::CreateShortcut(target, row.location, row.folder, "", "-start \"a b\"",
                              "Tessel Moor", linkPath);
        EXPECT_EQ(linkPath, row.written) << row.name;
        ASSERT_TRUE(testing_support::FileExists(row.written)) << row.name;
        testing_support::LnkInfo link = ReadLnk(row.written);
        EXPECT_EQ(link.targetPath, target) << row.name;
        EXPECT_EQ(link.workingDirectory, targetFolder) << row.name;
        EXPECT_EQ(link.description, "Tessel Moor") << row.name;
        EXPECT_EQ(link.arguments, "-start \"a b\"") << row.name;
        DeleteFileA(row.written.c_str());
    }
}

TEST_F(Shortcuts, WritesNothingWhereTheFolderIsMissingOrNotNamed) {
    TempFolder startMenu, parent;
    ScopedShellFolder startMenuValue("Start Menu", startMenu.Path());
    ScopedShellFolder startupValue("Startup", "");
    QuickLaunchFolder quickLaunchValue("");
    struct Row {
        const char* name;
        std::uint8_t location;
        std::string folder;
        std::string linkPath;  // what linkPath holds afterwards
    };
    const Row rows[] = {
        // The save fails unnoticed: the path is still handed back.
        {"start menu subfolder that does not exist", shell::StartMenuLocation, "Tools",
         startMenu / "Tools\\Uninstall.lnk"},
        {"explicit folder that does not exist", shell::ExplicitFolderLocation,
         parent / "Menu\\Programs\\Marrowick\\Tessel Moor",
         parent / "Menu\\Programs\\Marrowick\\Tessel Moor\\Uninstall.lnk"},
        // No folder at all: nothing is tried.
        {"explicit folder left empty", shell::ExplicitFolderLocation, "", UnchangedLinkPath},
        {"startup value holding an empty text", shell::StartupLocation, "", UnchangedLinkPath},
        {"quick launch value holding an empty text", shell::QuickLaunchLocation, "",
         UnchangedLinkPath},
        {"kind 5", 5, parent.Path(), UnchangedLinkPath},
        {"kind 255", 255, parent.Path(), UnchangedLinkPath},
    };
    for (const Row& row : rows) {
        std::string linkPath = UnchangedLinkPath;
        shell::CreateShortcut(target, row.location, row.folder, "", "", "Uninstall", linkPath);
        EXPECT_EQ(linkPath, row.linkPath) << row.name;
        EXPECT_TRUE(ListFolder(startMenu.Path()).empty()) << row.name;
        EXPECT_TRUE(ListFolder(parent.Path()).empty()) << row.name;
    }
}

TEST_F(Shortcuts, MissingRegistryFolderWritesNothing) {
    TempFolder elsewhere;
    ScopedRegistryValue startup(HKEY_CURRENT_USER, testing_support::ShellFoldersKey, "Startup");
    startup.Remove();
    ScopedMissingKey missingGrpConv(HKEY_CURRENT_USER, GrpConvKey);
    for (std::uint8_t location : {shell::StartupLocation, shell::QuickLaunchLocation}) {
        std::string linkPath = UnchangedLinkPath;
        shell::CreateShortcut(target, location, "", "", "", "Uninstall", linkPath);
        EXPECT_EQ(linkPath, UnchangedLinkPath) << "kind " << int(location);
    }
    // The Quick Launch lookup made its key, but only opened the subkey.
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, GrpConvKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, MapGroupsKey));
}

TEST_F(Shortcuts, GivenWorkingDirectoryAndEmptyArguments) {
    TempFolder explicitFolder;
    std::string linkPath;
    shell::CreateShortcut(target, shell::ExplicitFolderLocation, explicitFolder.Path(),
                          "C:\\Work Here", "", "Uninstall", linkPath);
    testing_support::LnkInfo link = ReadLnk(explicitFolder / "Uninstall.lnk");
    EXPECT_EQ(link.workingDirectory, "C:\\Work Here");
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.description, "Uninstall");
}

TEST_F(Shortcuts, ReplacesAnExistingShortcut) {
    TempFolder explicitFolder;
    testing_support::WriteTextFile(explicitFolder / "Uninstall.lnk", "not a shortcut");
    std::string linkPath;
    shell::CreateShortcut(target, shell::ExplicitFolderLocation, explicitFolder.Path(), "", "",
                          "Uninstall", linkPath);
    EXPECT_EQ(ReadLnk(explicitFolder / "Uninstall.lnk").targetPath, target);
}

TEST_F(Shortcuts, FolderValueOfAnotherTypeRaisesInvalidDataTypeAndReleasesItsKeys) {
    TempFolder startMenu;
    ScopedRegistryValue value(HKEY_CURRENT_USER, testing_support::ShellFoldersKey, "Start Menu");
    auto createInStartMenu = [&](std::string& linkPath) {
        shell::CreateShortcut(target, shell::StartMenuLocation, "", "", "", "Uninstall", linkPath);
    };
    // The process opens some handles of its own the first time it meets an error: warm up.
    std::string linkPath;
    value.SetNumber(3);
    EXPECT_THROW(createInStartMenu(linkPath), platform::ERegistryException);
    unsigned handles = testing_support::OpenHandleCount();
    for (int attempt = 1; attempt <= 3; ++attempt) {
        linkPath = UnchangedLinkPath;
        try {
            createInStartMenu(linkPath);
            ADD_FAILURE() << "no error, attempt " << attempt;
        } catch (const platform::ERegistryException& error) {
            EXPECT_EQ(error.Message(), L"Ung\u00fcltiger Datentyp f\u00fcr 'Start Menu'");
        }
        EXPECT_EQ(linkPath, UnchangedLinkPath);
    }
    EXPECT_EQ(testing_support::OpenHandleCount(), handles) << "keys left open";
    EXPECT_TRUE(ListFolder(startMenu.Path()).empty());
}

// A thread that never initialised COM cannot create the link object.
TEST_F(Shortcuts, LinkObjectThatCannotBeCreatedRaisesTheComError) {
    TempFolder explicitFolder;
    std::string linkPath = UnchangedLinkPath;
    std::unique_ptr<platform::EOleSysError> raised;
    std::thread([&] {
        try {
            shell::CreateShortcut(target, shell::ExplicitFolderLocation, explicitFolder.Path(),
                                  "", "", "Uninstall", linkPath);
        } catch (const platform::EOleSysError& error) {
            raised = std::make_unique<platform::EOleSysError>(error);
        }
    }).join();
    ASSERT_TRUE(raised) << "no COM error";
    EXPECT_EQ(raised->Code(), CO_E_NOTINITIALIZED);
    // Windows describes this code; Wine 8.0 has no text for it and gets the fallback.
    if (SystemHasText(CO_E_NOTINITIALIZED)) {
        EXPECT_FALSE(raised->Message().empty());
        EXPECT_EQ(raised->Message().find(L"OLE-Fehler"), std::wstring::npos);
    } else {
        EXPECT_EQ(raised->Message(), L"OLE-Fehler 800401f0");
    }
    EXPECT_EQ(linkPath, UnchangedLinkPath);
    EXPECT_TRUE(ListFolder(explicitFolder.Path()).empty());
}

TEST(EOleSysError, SystemTextOrTheCode) {
    ASSERT_TRUE(SystemHasText(E_FAIL));
    std::wstring described = platform::EOleSysError(E_FAIL).Message();
    EXPECT_FALSE(described.empty());
    EXPECT_EQ(described.find(L"OLE-Fehler"), std::wstring::npos) << "E_FAIL has a system text";
    ASSERT_FALSE(SystemHasText(static_cast<HRESULT>(0x8004ffff)));
    EXPECT_EQ(platform::EOleSysError(static_cast<HRESULT>(0x8004ffff)).Message(),
              L"OLE-Fehler 8004ffff");
}
