// File search, folder copy and folder delete on real trees in temporary folders.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "shell/shell.h"
#include "support/ProcessHandles.h"
#include "support/TempFolder.h"

using testing_support::FileExists;
using testing_support::FolderExists;
using testing_support::ListFolder;
using testing_support::ReadTextFile;
using testing_support::TempFolder;
using testing_support::WriteTextFile;

namespace {

void SetAttributes(const std::string& path, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    ASSERT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes) << path;
}

// root: a.bmp b.wav hidden.txt pics.bmp\g.txt readonly.txt sub\{c.txt d.bmp deeper\e.txt}
//       system.dat zsub\f.bmp empty\        (the system lists entries by name)
// The folder "pics.bmp" matches "*.bmp" but is never listed; it sorts among the root's files,
// so a walk that descends as soon as it meets a folder lists its file too early.
class SearchTree : public testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"a.bmp", "b.wav", "hidden.txt", "readonly.txt", "system.dat",
                                 "pics.bmp\\g.txt", "sub\\c.txt", "sub\\d.bmp",
                                 "sub\\deeper\\e.txt", "zsub\\f.bmp"})
            WriteTextFile(root / file, file);
        testing_support::MakeFolders(root / "empty");
        SetAttributes(root / "hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        SetAttributes(root / "system.dat", FILE_ATTRIBUTE_SYSTEM);
        SetAttributes(root / "readonly.txt", FILE_ATTRIBUTE_READONLY);
    }

    std::vector<std::string> Paths(const std::string& base, std::vector<std::string> names) {
        for (std::string& name : names) name = base + "\\" + name;
        return names;
    }

    TempFolder root;
};

// Sees every top-level window of this process that was not there when it started, while the
// watched call runs and right after it. Closes each one, so that a dialog fails the test
// instead of blocking it.
class NewWindowWatcher {
public:
    NewWindowWatcher() : before_(WindowsOfThisProcess()) {
        thread_ = std::thread([this] {
            while (!stop_) {
                Look();
                Sleep(5);
            }
        });
    }
    ~NewWindowWatcher() { Stop(); }

    // Stops watching and returns the class names of the new windows seen.
    std::vector<std::string> Stop() {
        if (thread_.joinable()) {
            stop_ = true;
            thread_.join();
            Look();
        }
        return seen_;
    }

private:
    static std::set<HWND> WindowsOfThisProcess() {
        std::set<HWND> windows;
        EnumWindows(
            [](HWND window, LPARAM found) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process == GetCurrentProcessId())
                    reinterpret_cast<std::set<HWND>*>(found)->insert(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    void Look() {
        for (HWND window : WindowsOfThisProcess()) {
            if (before_.count(window) || reported_.count(window)) continue;
            reported_.insert(window);
            char className[256] = {};
            GetClassNameA(window, className, sizeof className);
            char title[256] = {};
            GetWindowTextA(window, title, sizeof title);
            seen_.push_back(std::string(className) + " \"" + title + "\"");
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }

    std::set<HWND> before_;
    std::set<HWND> reported_;
    std::vector<std::string> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts) all += text + "; ";
    return all;
}

}  // namespace

TEST_F(SearchTree, ListsFilesInSearchOrderOwnFilesFirstThenSubfoldersDepthFirst) {
    const std::vector<std::string> rootFiles = {"a.bmp", "b.wav", "hidden.txt", "readonly.txt",
                                                "system.dat"};
    struct Row {
        const char* name;
        std::string dir;
        const char* mask;
        bool recurse;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"own files only, hidden and system included, no folders", root.Path(), "*.*", false,
         Paths(root.Path(), rootFiles)},
        {"whole tree", root.Path(), "*.*", true,
         Paths(root.Path(), {"a.bmp", "b.wav", "hidden.txt", "readonly.txt", "system.dat",
                             "pics.bmp\\g.txt", "sub\\c.txt", "sub\\d.bmp", "sub\\deeper\\e.txt",
                             "zsub\\f.bmp"})},
        {"mask, without subfolders", root.Path(), "*.bmp", false, Paths(root.Path(), {"a.bmp"})},
        {"mask through the tree; a folder that matches is not listed", root.Path(), "*.bmp", true,
         Paths(root.Path(), {"a.bmp", "sub\\d.bmp", "zsub\\f.bmp"})},
        {"match only deep down", root.Path(), "e.*", true,
         Paths(root.Path(), {"sub\\deeper\\e.txt"})},
        {"single-character wildcard", root.Path(), "?.*", false,
         Paths(root.Path(), {"a.bmp", "b.wav"})},
        {"folder given with a trailing separator", root.Path() + "\\", "*.wav", true,
         Paths(root.Path(), {"b.wav"})},
        {"subfolder as the start", root / "sub", "*.*", true,
         Paths(root / "sub", {"c.txt", "d.bmp", "deeper\\e.txt"})},
        {"empty folder", root / "empty", "*.*", true, {}},
        {"missing folder", root / "missing", "*.*", false, {}},
        {"missing folder with subfolders asked for", root / "missing", "*.*", true, {}},
    };
    for (const Row& row : rows) {
        shell::StringList list = {"already there"};
        shell::FindFiles(row.dir, list, row.mask, row.recurse);
        std::vector<std::string> expected = {"already there"};
        expected.insert(expected.end(), row.expected.begin(), row.expected.end());
        EXPECT_EQ(list, expected) << row.name;
    }
}

TEST_F(SearchTree, AppendsAgainWithoutClearing) {
    shell::StringList list;
    shell::FindFiles(root / "sub", list, "*.txt", false);
    shell::FindFiles(root / "sub", list, "*.txt", false);
    EXPECT_EQ(list, Paths(root / "sub", {"c.txt", "c.txt"}));
}

TEST_F(SearchTree, ClosesEverySearch) {
    shell::StringList list;
    unsigned before = testing_support::OpenHandleCount();
    shell::FindFiles(root.Path(), list, "*.*", true);
    shell::FindFiles(root / "missing", list, "*.*", true);
    EXPECT_EQ(testing_support::OpenHandleCount(), before);
}

TEST(CopyFolder, ReplacesFilesOfATreeThatIsAlreadyThereWithoutAnyDialog) {
    TempFolder medium, programFiles;
    for (const char* file : {"Tessel_Moor\\Pellorin.exe", "Tessel_Moor\\media\\a.bmp",
                             "Tessel_Moor\\uninst\\Install.exe"})
        WriteTextFile(medium / (std::string("Marrowick\\") + file), std::string("new ") + file);
    WriteTextFile(programFiles / "Marrowick\\Tessel_Moor\\Pellorin.exe", "old");
    WriteTextFile(programFiles / "Marrowick\\Tessel_Moor\\media\\a.bmp", "old");
    WriteTextFile(programFiles / "Marrowick\\Tessel_Moor\\saved.txt", "kept");

    std::vector<std::string> seenByHook;
    NewWindowWatcher watcher;
    bool copied = shell::CopyFolder(medium / "Marrowick", programFiles.Path() + "\\", [&] {
        seenByHook.push_back(ReadTextFile(programFiles / "Marrowick\\Tessel_Moor\\Pellorin.exe"));
    });
    std::vector<std::string> windows = watcher.Stop();

    EXPECT_TRUE(copied);
    EXPECT_EQ(seenByHook, std::vector<std::string>{"old"}) << "the hook runs once, before the copy";
    for (const char* file : {"Tessel_Moor\\Pellorin.exe", "Tessel_Moor\\media\\a.bmp",
                             "Tessel_Moor\\uninst\\Install.exe"})
        EXPECT_EQ(ReadTextFile(programFiles / (std::string("Marrowick\\") + file)),
                  std::string("new ") + file);
    EXPECT_EQ(ReadTextFile(programFiles / "Marrowick\\Tessel_Moor\\saved.txt"), "kept");
    EXPECT_TRUE(windows.empty()) << Joined(windows);
}

TEST(CopyFolder, MakesTheFolderInsideTheDestination) {
    TempFolder medium, programFiles;
    WriteTextFile(medium / "Marrowick\\Tessel_Moor\\Pellorin.exe", "app");
    WriteTextFile(medium / "Marrowick\\Tessel_Moor\\media\\b.wav", "sound");
    for (const std::string& destination : {programFiles / "with separator\\",
                                           programFiles / "without separator"}) {
        testing_support::MakeFolders(destination);
        EXPECT_TRUE(shell::CopyFolder(medium / "Marrowick", destination)) << destination;
        std::string copy = destination.back() == '\\' ? destination + "Marrowick"
                                                      : destination + "\\Marrowick";
        EXPECT_EQ(ListFolder(copy), std::vector<std::string>{"Tessel_Moor"}) << destination;
        EXPECT_EQ(ListFolder(copy + "\\Tessel_Moor"),
                  (std::vector<std::string>{"Pellorin.exe", "media"}))
            << destination;
        EXPECT_EQ(ReadTextFile(copy + "\\Tessel_Moor\\media\\b.wav"), "sound") << destination;
    }
}

// Wine's shell copy answers 0x402 for a missing source where Windows answers 2: any code but
// zero is a failure.
TEST(CopyFolder, MissingSourceFailsAfterTheHookRan) {
    TempFolder medium, programFiles;
    unsigned hookCalls = 0;
    NewWindowWatcher watcher;
    EXPECT_FALSE(
        shell::CopyFolder(medium / "Marrowick", programFiles.Path(), [&] { ++hookCalls; }));
    std::vector<std::string> windows = watcher.Stop();
    EXPECT_EQ(hookCalls, 1u);
    EXPECT_TRUE(ListFolder(programFiles.Path()).empty());
    EXPECT_TRUE(windows.empty()) << Joined(windows);
}

TEST(DeleteFolder, RemovesTheWholeTreeWithoutAnyDialog) {
    TempFolder programs;
    WriteTextFile(programs / "Marrowick\\Tessel Moor\\Uninstall.lnk", "link");
    WriteTextFile(programs / "Marrowick\\Tessel Moor\\deeper\\hidden.lnk", "link");
    SetAttributes(programs / "Marrowick\\Tessel Moor\\deeper\\hidden.lnk", FILE_ATTRIBUTE_HIDDEN);
    WriteTextFile(programs / "Marrowick\\Other\\x.lnk", "link");
    NewWindowWatcher watcher;
    EXPECT_TRUE(shell::DeleteFolder(programs / "Marrowick\\Tessel Moor"));
    std::vector<std::string> windows = watcher.Stop();
    EXPECT_EQ(ListFolder(programs / "Marrowick"), std::vector<std::string>{"Other"});
    EXPECT_TRUE(FileExists(programs / "Marrowick\\Other\\x.lnk"));
    EXPECT_TRUE(windows.empty()) << Joined(windows);
}

TEST(DeleteFolder, MissingFolderFailsAndChangesNothing) {
    TempFolder programs;
    WriteTextFile(programs / "Marrowick\\Other\\x.lnk", "link");
    NewWindowWatcher watcher;
    EXPECT_FALSE(shell::DeleteFolder(programs / "Marrowick\\Tessel Moor"));
    std::vector<std::string> windows = watcher.Stop();
    EXPECT_EQ(ListFolder(programs.Path()), std::vector<std::string>{"Marrowick"});
    EXPECT_EQ(ListFolder(programs / "Marrowick"), std::vector<std::string>{"Other"});
    EXPECT_TRUE(FolderExists(programs / "Marrowick\\Other"));
    EXPECT_TRUE(windows.empty()) << Joined(windows);
}
