#include <array>

#include "platform/Registry.h"
#include "shell/shell.h"

namespace shell {

namespace {

const char* const ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const SetupKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Kinds 0 to 16: values under the current user's shell-folders key.
const std::array<const char*, 17> ShellFolderValues = {
    "Desktop",  "Start Menu", "Programs", "Startup",   "Personal",  "AppData",
    "Fonts",    "SendTo",     "Recent",   "Favorites", "Cache",     "Cookies",
    "History",  "NetHood",    "PrintHood", "Templates", "Local AppData",
};
constexpr std::uint8_t WindowsDirectoryKind = 17;
constexpr std::uint8_t SystemDirectoryKind = 18;
constexpr std::uint8_t TempPathKind = 19;
constexpr std::uint8_t SystemDriveKind = 20;
// Kinds 21 to 26: values under the machine-wide setup key.
constexpr std::uint8_t FirstSetupKind = 21;
const std::array<const char*, 6> SetupValues = {
    "ProgramFilesDir", "CommonFilesDir", "ConfigPath", "DevicePath", "MediaPath", "WallPaperDir",
};

// The system calls get 255 bytes but are told 254; what they leave is read up to its zero.
constexpr UINT SystemCallBufferSize = 255;
constexpr UINT SystemCallStatedSize = 254;

std::string FromSystemCall(std::uint8_t kind) {
    char buffer[SystemCallBufferSize] = {};
    switch (kind) {
        case WindowsDirectoryKind: GetWindowsDirectoryA(buffer, SystemCallStatedSize); break;
        case TempPathKind: GetTempPathA(SystemCallStatedSize, buffer); break;
        case SystemDirectoryKind:
        case SystemDriveKind: GetSystemDirectoryA(buffer, SystemCallStatedSize); break;
    }
    std::string text = buffer;
    if (kind == SystemDriveKind) text = text.substr(0, 2);
    return text;
}

std::string ReadFolderValue(const char* keyPath, const std::string& valueName) {
    platform::unique_hkey key = platform::OpenKey(HKEY_CURRENT_USER, keyPath);
    return platform::ReadString(key.get(), valueName);
}

}  // namespace

std::string GetSystemFolder(std::uint8_t kind) {
    std::string folder;
    {
        // Both keys are opened (and made when missing) for every kind, this one first.
        platform::unique_hkey shellFolders =
            platform::OpenOrCreateKey(HKEY_CURRENT_USER, ShellFoldersKey);
        if (kind < ShellFolderValues.size())
            folder = platform::ReadString(shellFolders.get(), ShellFolderValues[kind]);
        else if (kind <= SystemDriveKind)
            folder = FromSystemCall(kind);
    }
    {
        platform::unique_hkey setup = platform::OpenOrCreateKey(HKEY_LOCAL_MACHINE, SetupKey);
        if (kind >= FirstSetupKind && kind < FirstSetupKind + SetupValues.size())
            folder = platform::ReadString(setup.get(), SetupValues[kind - FirstSetupKind]);
    }
    // By whole characters, as JoinPath does: a double-byte character whose second byte is 0x5C
    // is no separator.
    if (!folder.empty() && !EndsWithSeparator(folder)) folder += '\\';
    return folder;
}

std::string GetProgramsFolder() { return ReadFolderValue(ShellFoldersKey, "Programs"); }

std::string GetDesktopFolder() { return ReadFolderValue(ShellFoldersKey, "Desktop"); }

}  // namespace shell
