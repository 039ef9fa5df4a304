#pragma once
// The product's fixed names and the paths composed from them. Every root is passed in, freshly
// looked up by the caller: nothing here caches a folder.
#include <string>

namespace product {

inline constexpr const char* ProductFamily = "Marrowick";
inline constexpr const char* EditionFolder = "Tessel_Moor";   // on disk
inline constexpr const char* EditionGroup = "Tessel Moor";    // in the Start menu
inline constexpr const char* DisplayName = "Marrowick - Tessel Moor";
inline constexpr const char* AppExeName = "Pellorin.exe";
inline constexpr const char* UninstallerSubPath = "\\uninst\\";
inline constexpr const char* UninstallerExeName = "Install.exe";
inline constexpr const char* MediaSubPath = "\\media";
inline constexpr const char* UninstallShortcutName = "Uninstall";

inline std::string EditionPath(const std::string& root) {
    return root + ProductFamily + "\\" + EditionFolder;
}
// root: the medium folder, ending in "\".
inline std::string ModeProbe(const std::string& mediumFolder) {
    return EditionPath(mediumFolder) + "\\" + AppExeName;
}
inline std::string CopySource(const std::string& mediumFolder) {
    return mediumFolder + ProductFamily;
}
// root: the Program Files folder, ending in "\".
inline std::string InstalledApplication(const std::string& programFiles) {
    return EditionPath(programFiles) + "\\" + AppExeName;
}
inline std::string InstalledUninstaller(const std::string& programFiles) {
    return EditionPath(programFiles) + UninstallerSubPath + UninstallerExeName;
}
inline std::string InstalledMediaFolder(const std::string& programFiles) {
    return EditionPath(programFiles) + MediaSubPath;
}
// root: the Programs folder, without a trailing "\".
inline std::string StartMenuFamilyFolder(const std::string& programs) {
    return programs + "\\" + ProductFamily;
}
inline std::string StartMenuGroup(const std::string& programs) {
    return StartMenuFamilyFolder(programs) + "\\" + EditionGroup;
}

}  // namespace product
