#include "support/UnixProgram.h"

#include <windows.h>

#include <stdexcept>

#include "platform/CodePage.h"
#include "support/TempFolder.h"

namespace testing_support {

namespace {

using WineGetUnixFileName = char*(CDECL*)(const WCHAR*);

WineGetUnixFileName UnixFileNameFunction() {
    auto function = reinterpret_cast<WineGetUnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!function) throw std::runtime_error("not running under Wine: no wine_get_unix_file_name");
    return function;
}

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
    char* unixPath = UnixFileNameFunction()(platform::FromAnsi(windowsPath).c_str());
    if (!unixPath) throw std::runtime_error("no Unix path for " + windowsPath);
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::string ShellQuote(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

UnixProgramResult RunUnixProgram(const std::string& commandLine, unsigned timeoutMs) {
    TempFolder folder;
    const std::string unixFolder = UnixPath(folder.Path());
    const std::string out = ShellQuote(unixFolder + "/out");
    const std::string err = ShellQuote(unixFolder + "/err");
    const std::string status = ShellQuote(unixFolder + "/status");
    // The status file appears in one rename, so a poll never reads it half written.
    WriteTextFile(folder / "run.sh", "(" + commandLine + ") >" + out + " 2>" + err + " </dev/null\n" +
                                         "echo $? >" + status + ".part\n" +
                                         "mv " + status + ".part " + status + "\n");

    // Wine parses this line the Windows way before it execs /bin/sh; the script path holds no
    // double quote, so quoting it whole is enough.
    std::string shell = "/bin/sh \"" + unixFolder + "/run.sh\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, shell.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start /bin/sh: error " + std::to_string(GetLastError()));
    // For a Unix program Wine fills PROCESS_INFORMATION with no usable handle (hProcess is null,
    // hThread is not a handle of ours): leave it alone.

    const DWORD start = GetTickCount();
    while (!FileExists(folder / "status")) {
        if (GetTickCount() - start > timeoutMs)
            throw std::runtime_error("Unix program did not end in time: " + commandLine);
        Sleep(20);
    }
    UnixProgramResult result;
    result.exitCode = std::stoi(ReadTextFile(folder / "status"));
    result.output = ReadTextFile(folder / "out");
    result.errors = ReadTextFile(folder / "err");
    return result;
}

}  // namespace testing_support
