#pragma once
// Shell services: system folder lookup, file operations and shortcuts. Paths are ANSI strings
// with "\" as separator.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace shell {

// An ordered list of strings that keeps duplicates.
using StringList = std::vector<std::string>;

// --- System folders -------------------------------------------------------------------------
// kind 0..26 (see the kinds table in SystemFolders.cpp); ends in "\" unless empty. Kinds above
// 26 name no folder: empty. Raises platform::ERegistryException for a value that is no string.
std::string GetSystemFolder(std::uint8_t kind);
inline constexpr std::uint8_t ProgramFilesFolderKind = 21;
// The current user's "Programs" and "Desktop" shell folders exactly as stored.
std::string GetProgramsFolder();
std::string GetDesktopFolder();

// --- File operations ------------------------------------------------------------------------
// True when the last whole character of path (in codePage) is "\"; false for an empty path.
bool EndsWithSeparator(const std::string& path, UINT codePage = CP_ACP);
// dir + name when dir ends in "\", else dir + "\" + name; name alone when dir is empty.
std::string JoinPath(const std::string& dir, const std::string& name, UINT codePage = CP_ACP);

// Run just before the shell copy starts, so that the window can size its progress steps.
using BeforeCopyHook = std::function<void()>;
bool CopyFolder(const std::string& source, const std::string& destination,
                const BeforeCopyHook& beforeCopy = nullptr);
bool DeleteFolder(const std::string& path);
void FindFiles(const std::string& dir, StringList& list, const std::string& mask, bool recurse);

// --- Shortcuts ------------------------------------------------------------------------------
enum ShortcutLocation : std::uint8_t {
    DesktopLocation = 0,
    QuickLaunchLocation = 1,
    StartupLocation = 2,
    StartMenuLocation = 3,
    ExplicitFolderLocation = 4,
};
void CreateShortcut(const std::string& target, std::uint8_t location, const std::string& folder,
                    const std::string& workDir, const std::string& arguments,
                    const std::string& name, std::string& linkPath);

}  // namespace shell
