// System folder lookup against the real registry of the test prefix. Every value a test changes
// is put back by its fixture.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/Errors.h"
#include "shell/shell.h"
#include "support/ProcessHandles.h"
#include "support/Registry.h"

using testing_support::KeyExists;
using testing_support::ScopedMissingKey;
using testing_support::ScopedReadOnlyKey;
using testing_support::ScopedRegistryValue;
using testing_support::SetupKey;
using testing_support::ShellFoldersKey;

namespace {

struct ProgramFilesDirValue : ScopedRegistryValue {
    ProgramFilesDirValue() : ScopedRegistryValue(HKEY_LOCAL_MACHINE, SetupKey, "ProgramFilesDir") {}
};

std::string SystemCallText(UINT (WINAPI* call)(LPSTR, UINT)) {
    char buffer[MAX_PATH] = {};
    call(buffer, MAX_PATH);
    return buffer;
}

std::string TempPath() {
    char buffer[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

}  // namespace

TEST(GetSystemFolder, ReadsProgramFilesDirAsStored) {
    struct Row {
        const char* name;
        DWORD type;
        std::string data;  // the stored bytes, terminating zero included where there is one
        const char* expected;
    };
    const Row rows[] = {
        {"plain string", REG_SZ, std::string("C:\\Program Files", 17), "C:\\Program Files\\"},
        {"trailing separator kept single", REG_SZ, std::string("C:\\Program Files\\", 18),
         "C:\\Program Files\\"},
        {"expandable string not expanded", REG_EXPAND_SZ, std::string("%SystemDrive%\\Apps", 19),
         "%SystemDrive%\\Apps\\"},
        {"text ends at the first zero byte", REG_SZ, std::string("C:\\A\0B\\C", 9), "C:\\A\\"},
        {"string holding no data", REG_SZ, "", ""},
        {"expandable string holding no data", REG_EXPAND_SZ, "", ""},
        {"number holding no data", REG_DWORD, "", ""},
        {"binary holding no data", REG_BINARY, "", ""},
    };
    for (const Row& row : rows) {
        ProgramFilesDirValue value;
        value.Set(row.type, row.data.data(), static_cast<DWORD>(row.data.size()));
        EXPECT_EQ(shell::GetSystemFolder(shell::ProgramFilesFolderKind), row.expected) << row.name;
    }
}

TEST(GetSystemFolder, MissingProgramFilesDirGivesEmptyResult) {
    ProgramFilesDirValue value;
    value.Remove();
    EXPECT_EQ(shell::GetSystemFolder(21), "");
}

TEST(GetSystemFolder, ValueOfAnotherTypeRaisesInvalidDataTypeNamingIt) {
    struct Row {
        const char* name;
        DWORD type;
        std::string data;
    };
    const Row rows[] = {
        {"number", REG_DWORD, std::string("\x2a\0\0\0", 4)},
        {"binary", REG_BINARY, "C:\\X"},
        {"string list", REG_MULTI_SZ, std::string("C:\\X\0\0", 6)},
    };
    for (const Row& row : rows) {
        ProgramFilesDirValue value;
        value.Set(row.type, row.data.data(), static_cast<DWORD>(row.data.size()));
        try {
            shell::GetSystemFolder(21);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const platform::ERegistryException& error) {
            EXPECT_EQ(error.Message(), L"Ung\u00fcltiger Datentyp f\u00fcr 'ProgramFilesDir'")
                << row.name;
        }
    }
}

// Each kind reads its own value and no other: all of them are set to different texts at once.
TEST(GetSystemFolder, EachRegistryKindReadsItsOwnValue) {
    const char* shellFolderNames[] = {
        "Desktop", "Start Menu", "Programs", "Startup",   "Personal",  "AppData",
        "Fonts",   "SendTo",     "Recent",   "Favorites", "Cache",     "Cookies",
        "History", "NetHood",    "PrintHood", "Templates", "Local AppData",
    };
    const char* setupNames[] = {"ProgramFilesDir", "CommonFilesDir", "ConfigPath",
                                "DevicePath",      "MediaPath",      "WallPaperDir"};
    std::vector<std::unique_ptr<testing_support::ScopedShellFolder>> shellFolders;
    for (std::uint8_t kind = 0; kind < 17; ++kind)
        shellFolders.push_back(std::make_unique<testing_support::ScopedShellFolder>(
            shellFolderNames[kind], "C:\\shell folder " + std::to_string(kind)));
    std::vector<std::unique_ptr<ScopedRegistryValue>> setupValues;
    for (std::uint8_t kind = 21; kind <= 26; ++kind) {
        setupValues.push_back(std::make_unique<ScopedRegistryValue>(HKEY_LOCAL_MACHINE, SetupKey,
                                                                    setupNames[kind - 21]));
        setupValues.back()->SetString("D:\\setup value " + std::to_string(kind));
    }
    for (std::uint8_t kind = 0; kind < 17; ++kind)
        EXPECT_EQ(shell::GetSystemFolder(kind), "C:\\shell folder " + std::to_string(kind) + "\\")
            << "kind " << int(kind) << " (" << shellFolderNames[kind] << ")";
    for (std::uint8_t kind = 21; kind <= 26; ++kind)
        EXPECT_EQ(shell::GetSystemFolder(kind), "D:\\setup value " + std::to_string(kind) + "\\")
            << "kind " << int(kind) << " (" << setupNames[kind - 21] << ")";
}

TEST(GetSystemFolder, SystemCallKinds) {
    std::string windows = SystemCallText(GetWindowsDirectoryA);
    std::string system = SystemCallText(GetSystemDirectoryA);
    ASSERT_FALSE(windows.empty());
    ASSERT_NE(windows.back(), '\\');
    ASSERT_EQ(TempPath().back(), '\\');
    struct Row {
        std::uint8_t kind;
        std::string expected;
    };
    const Row rows[] = {
        {17, windows + "\\"},
        {18, system + "\\"},
        {19, TempPath()},  // already ends in "\": no second one
        {20, system.substr(0, 2) + "\\"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shell::GetSystemFolder(row.kind), row.expected) << "kind " << int(row.kind);
    EXPECT_EQ(shell::GetSystemFolder(20), "C:\\");
}

// Both keys are made when missing, whatever the kind. The machine-wide setup key cannot be taken
// away safely (it holds the whole prefix's setup), so the current user's key stands for both.
TEST(GetSystemFolder, MakesTheShellFoldersKeyForEveryKind) {
    for (std::uint8_t kind : std::initializer_list<std::uint8_t>{0, 17, 21, 27, 200, 255}) {
        ScopedMissingKey missing(HKEY_CURRENT_USER, ShellFoldersKey);
        ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, ShellFoldersKey));
        std::string folder = shell::GetSystemFolder(kind);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ShellFoldersKey)) << "kind " << int(kind);
        if (kind == 0) {
            EXPECT_EQ(folder, "") << "a new key holds no Desktop value";
        }
    }
}

TEST(GetSystemFolder, KindsAbove26AreEmpty) {
    for (std::uint8_t kind : std::initializer_list<std::uint8_t>{27, 28, 100, 255})
        EXPECT_EQ(shell::GetSystemFolder(kind), "") << "kind " << int(kind);
}

TEST(GetSystemFolder, SetupKeyWithoutFullAccessGivesEmptyResults) {
    ProgramFilesDirValue value;
    value.SetString("C:\\Program Files");
    ScopedReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, SetupKey);
    for (std::uint8_t kind = 21; kind <= 26; ++kind)
        EXPECT_EQ(shell::GetSystemFolder(kind), "") << "kind " << int(kind);
}

// The value changes between the size query and the fetch: a writer thread keeps switching it
// between a short and a long text, or takes it away, until a read is caught in between.
TEST(GetSystemFolder, DataThatChangesAfterItsSizeWasReadRaisesDataFetchFailed) {
    ProgramFilesDirValue value;
    const std::string shortText = "C:\\P";
    const std::string longText = "C:\\" + std::string(200, 'L');
    value.SetString(shortText);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (unsigned round = 0; !stop; ++round) {
            if (round % 3 == 2)
                value.Remove();
            else
                value.SetString(round % 3 == 0 ? shortText : longText);
        }
    });
    std::wstring message;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (message.empty() && std::chrono::steady_clock::now() < deadline) {
        try {
            std::string folder = shell::GetSystemFolder(21);
            EXPECT_TRUE(folder.empty() || folder == shortText + "\\" || folder == longText + "\\")
                << folder;
        } catch (const platform::ERegistryException& error) {
            message = error.Message();
        }
    }
    stop = true;
    writer.join();
    EXPECT_EQ(message, L"Fehler beim Holen der Daten f\u00fcr 'ProgramFilesDir'");
}

TEST(SystemFolderLookups, ReleaseTheirKeysAlsoWhenAnErrorEndsThem) {
    ProgramFilesDirValue value;
    // The predefined roots open their handles once, and so does the process the first time it
    // meets an error: warm up.
    value.SetNumber(1);
    EXPECT_THROW(shell::GetSystemFolder(21), platform::ERegistryException);
    value.SetString("C:\\Program Files");
    shell::GetSystemFolder(0);
    unsigned before = testing_support::OpenHandleCount();
    for (unsigned kind = 0; kind <= 27; ++kind) shell::GetSystemFolder(std::uint8_t(kind));
    shell::GetProgramsFolder();
    shell::GetDesktopFolder();
    EXPECT_EQ(testing_support::OpenHandleCount(), before) << "after every kind";
    value.SetNumber(1);
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_THROW(shell::GetSystemFolder(21), platform::ERegistryException);
    EXPECT_EQ(testing_support::OpenHandleCount(), before) << "after the errors";
}

TEST(GetProgramsAndDesktopFolder, ReturnTheValueUnchanged) {
    struct Row {
        const char* name;
        std::string (*lookup)();
        const char* stored;
    };
    const Row rows[] = {
        {"Programs", shell::GetProgramsFolder, "C:\\Menu\\Programs"},
        {"Programs", shell::GetProgramsFolder, "C:\\Menu\\Programs\\"},
        {"Programs", shell::GetProgramsFolder, "%USERPROFILE%\\Programs"},
        {"Desktop", shell::GetDesktopFolder, "C:\\Users\\Someone\\Desktop"},
        {"Desktop", shell::GetDesktopFolder, "C:\\"},
    };
    for (const Row& row : rows) {
        ScopedRegistryValue value(HKEY_CURRENT_USER, ShellFoldersKey, row.name);
        value.SetString(row.stored, REG_EXPAND_SZ);
        EXPECT_EQ(row.lookup(), row.stored) << row.name << " = " << row.stored;
        value.Remove();
        EXPECT_EQ(row.lookup(), "") << row.name << " missing";
        value.SetNumber(7);
        EXPECT_THROW(row.lookup(), platform::ERegistryException) << row.name << " as a number";
    }
}

TEST(GetProgramsAndDesktopFolder, DoNotMakeAMissingKey) {
    ScopedMissingKey missing(HKEY_CURRENT_USER, ShellFoldersKey);
    EXPECT_EQ(shell::GetProgramsFolder(), "");
    EXPECT_EQ(shell::GetDesktopFolder(), "");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ShellFoldersKey));
}

TEST(GetProgramsAndDesktopFolder, KeyWithoutFullAccessGivesEmptyResults) {
    ScopedRegistryValue programs(HKEY_CURRENT_USER, ShellFoldersKey, "Programs");
    programs.SetString("C:\\Menu\\Programs");
    ScopedReadOnlyKey readOnly(HKEY_CURRENT_USER, ShellFoldersKey);
    EXPECT_EQ(shell::GetProgramsFolder(), "");
    EXPECT_EQ(shell::GetSystemFolder(2), "");
}
