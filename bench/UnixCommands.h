#pragma once
// The Linux side of the benchmark, run from under Wine through /bin/sh: the baselines (cp -r,
// rm) and the preparation between runs.
#include <string>

namespace bench {

// Runs a /bin/sh command line and returns how long the command took, timed by the shell itself
// around it, so that starting the shell from Wine does not count. Throws when it fails.
double TimedUnixCommand(const std::string& command);

// Runs a /bin/sh command line and returns its output. Throws when it fails.
std::string UnixCommand(const std::string& command);

// A path for a shell command line: the Unix path of a Windows path, quoted.
std::string ShellPath(const std::string& windowsPath);

}  // namespace bench
