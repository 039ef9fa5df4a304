#pragma once
// Reads a shortcut file with the Linux tool lnkinfo, which parses the Shell Link format on its
// own, without Wine's link object.
#include <string>

namespace testing_support {

struct LnkInfo {
    std::string targetPath;        // "Local path"
    std::string workingDirectory;
    std::string description;
    std::string arguments;         // "Command line arguments"
};

// Runs lnkinfo on the file at linkPath (a Windows path) with the ANSI code page for its 8-bit
// strings; the fields come back as lnkinfo prints them (UTF-8). Throws when lnkinfo fails or
// reports no link information.
LnkInfo ReadLnk(const std::string& linkPath);

}  // namespace testing_support
