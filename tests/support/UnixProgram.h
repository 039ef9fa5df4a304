#pragma once
// Runs a Linux program from a test under Wine, for tools that read our output independently of
// Wine (lnkinfo for .lnk files).
//
// Wine 8.0 starts a Unix binary through CreateProcess, but hands back no process handle and
// connects none of the Windows standard handles: there is nothing to wait on and no way to read
// the output. So the command runs inside /bin/sh with its output redirected to files in a
// temporary folder, and a marker file with the exit status tells that it has finished.
#include <string>

namespace testing_support {

struct UnixProgramResult {
    int exitCode = -1;
    std::string output;  // standard output, as the program wrote it (UTF-8 for lnkinfo)
    std::string errors;  // standard error
};

// Runs a /bin/sh command line (Unix PATH, Unix paths; see UnixPath and ShellQuote) and waits
// until it ends. Throws std::runtime_error when it cannot be started or does not end in time.
UnixProgramResult RunUnixProgram(const std::string& commandLine, unsigned timeoutMs = 30000);

// The Unix path of a Windows path (ANSI), as Wine maps it: "Z:\tmp\a" -> "/tmp/a",
// "C:\users\..." -> ".../dosdevices/c:/users/...". UTF-8.
std::string UnixPath(const std::string& windowsPath);

// One argument for /bin/sh, in single quotes.
std::string ShellQuote(const std::string& argument);

}  // namespace testing_support
