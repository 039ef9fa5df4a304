#include "support/LnkInfo.h"

#include <windows.h>

#include <map>
#include <memory>
#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/UniqueHandle.h"
#include "support/TempFolder.h"

namespace testing_support {

namespace {

// Wine's kernel32 tells the Unix file name behind a Windows path.
std::string UnixPath(const std::string& windowsPath) {
    using Translate = char*(CDECL*)(LPCWSTR);
    auto translate = reinterpret_cast<Translate>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!translate) throw std::runtime_error("not running under Wine");
    std::unique_ptr<char, void (*)(char*)> unixPath(
        translate(platform::FromAnsi(windowsPath).c_str()),
        [](char* p) { HeapFree(GetProcessHeap(), 0, p); });
    if (!unixPath) throw std::runtime_error("no Unix path for " + windowsPath);
    return unixPath.get();
}

std::string ShellQuoted(const std::string& text) {
    if (text.find_first_of("'\"") != std::string::npos)
        throw std::runtime_error("quotes in a path: " + text);
    return "'" + text + "'";
}

// Wine starts a Unix program through CreateProcess, but does not hand it the pipes of the
// startup information: the shell writes the output to a file instead.
void RunUnixCommand(const std::string& command) {
    std::string commandLine = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    platform::unique_handle processHandle(process.hProcess);
    platform::unique_handle threadHandle(process.hThread);
    if (WaitForSingleObject(processHandle.get(), 30000) != WAIT_OBJECT_0)
        throw std::runtime_error("no end of " + commandLine);
}

// The "Link information:" section, one "label : value" a line.
std::map<std::string, std::string> LinkInformation(const std::string& report) {
    std::map<std::string, std::string> fields;
    size_t section = report.find("\nLink information:\n");
    if (section == std::string::npos) return fields;
    size_t end = report.find("\n\n", section + 1);
    for (size_t at = report.find('\n', section + 1) + 1; at < end;) {
        size_t lineEnd = report.find('\n', at);
        std::string line = report.substr(at, lineEnd - at);
        at = lineEnd + 1;
        size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string label = line.substr(0, colon);
        label.erase(0, label.find_first_not_of('\t'));
        label.erase(label.find_last_not_of('\t') + 1);
        std::string value = line.substr(colon + 1);
        if (!value.empty() && value[0] == ' ') value.erase(0, 1);
        fields[label] = value;
    }
    return fields;
}

}  // namespace

LnkInfo ReadLnk(const std::string& linkPath) {
    TempFolder scratch;
    std::string reportPath = scratch / "lnkinfo.txt";
    WriteTextFile(reportPath, "");
    RunUnixCommand("/usr/bin/lnkinfo -c windows-" + std::to_string(GetACP()) + " " +
                   ShellQuoted(UnixPath(linkPath)) + " >" + ShellQuoted(UnixPath(reportPath)) +
                   " 2>&1");
    std::string report = ReadTextFile(reportPath);
    auto fields = LinkInformation(report);
    if (fields.empty()) throw std::runtime_error("lnkinfo on " + linkPath + ": " + report);
    return {fields["Local path"], fields["Working directory"], fields["Description"],
            fields["Command line arguments"]};
}

}  // namespace testing_support
