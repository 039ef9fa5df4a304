// The path pieces the mode choice is made of: the executable's folder cut by whole characters,
// and the file test that tells the medium from the installed tree, also on paths longer than
// MAX_PATH.
#include "Installer.h"
#include "platform/FilePaths.h"
#include "platform/CodePage.h"
#include "support/LongPath.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

TEST(ExtractFilePath, CutAfterTheLastBackslashOrColonThatIsAWholeCharacter) {
    struct Row {
        const char* fault;
        const char* path;
        UINT codePage;
        const char* folder;
    } rows[] = {
        {"folder lost", "C:\\Setup\\Install.exe", 1252, "C:\\Setup\\"},
        {"colon not a separator", "A:Install.exe", 1252, "A:"},
        {"not the last separator", "\\\\server\\share\\disk 1\\Install.exe", 1252,
         "\\\\server\\share\\disk 1\\"},
        {"no separator", "Install.exe", 1252, ""},
        // "\x95\x5C" and "\x83\x5C" are single characters in code page 932.
        {"second byte taken for a backslash", "C:\\CD\\\x95\x5C.exe", 932, "C:\\CD\\"},
        {"folder with a double-byte name cut short", "C:\\\x83\x5C\x83\x74\x83\x67\\Install.exe",
         932, "C:\\\x83\x5C\x83\x74\x83\x67\\"},
        {"same bytes in a single-byte code page are two characters", "C:\\CD\\\x95\x5C.exe",
         1252, "C:\\CD\\\x95\x5C"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::ExtractFilePath(row.path, row.codePage), row.folder) << row.fault;
}

TEST(ExeName, TheWholePathTheSystemReports) {
    wchar_t wide[32768];
    DWORD length = GetModuleFileNameW(nullptr, wide, 32768);
    EXPECT_EQ(platform::ExeName(), platform::ToAnsi(std::wstring(wide, length)));
}

class ModeProbe : public testing::Test {
protected:
    TempFolder temp;
    std::string deep = DeepFolderName(temp.Path(), 300);
    void TearDown() override { RemoveLongTree(deep); }
};

TEST_F(ModeProbe, FilesCountFoldersDoNotAtAnyPathLength) {
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    WriteTextFile(temp / "file.txt", "x");
    MakeFolders(temp / "folder.txt");
    WriteLongFile(deep + "\\file.txt", "x");
    MakeLongFolders(deep + "\\folder.txt");
    struct Row {
        const char* fault;
        std::string path;
        bool exists;
    } rows[] = {
        {"a file not found", temp / "file.txt", true},
        {"a folder taken for a file", temp / "folder.txt", false},
        {"a missing file found", temp / "missing.txt", false},
        {"a file beyond MAX_PATH not found", deep + "\\file.txt", true},
        {"a folder beyond MAX_PATH taken for a file", deep + "\\folder.txt", false},
        {"a missing file beyond MAX_PATH found", deep + "\\missing.txt", false},
    };
    for (const Row& row : rows) EXPECT_EQ(platform::FileExists(row.path), row.exists) << row.fault;
}

TEST_F(ModeProbe, InstallModeOnlyWhereTheMediumTreeHoldsTheApplicationFile) {
    const std::string probe = "Marrowick\\Tessel_Moor\\Pellorin.exe";
    WriteTextFile(temp / "medium\\" + probe, "app");
    MakeFolders(temp / "probe is a folder\\" + probe);
    MakeFolders(temp / "empty");
    WriteLongFile(deep + "\\" + probe, "app");
    struct Row {
        const char* fault;
        std::string exe;
        bool install;
    } rows[] = {
        {"medium not recognised", temp / "medium\\Install.exe", true},
        {"a folder named Pellorin.exe taken for the application",
         temp / "probe is a folder\\Install.exe", false},
        {"install mode without a medium tree", temp / "empty\\Install.exe", false},
        {"a medium deeper than MAX_PATH not recognised", deep + "\\Install.exe", true},
    };
    for (const Row& row : rows) EXPECT_EQ(IsInstallMode(row.exe), row.install) << row.fault;
}

}  // namespace
