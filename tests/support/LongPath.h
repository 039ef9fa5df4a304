#pragma once
// Folders and files whose paths are longer than MAX_PATH, which the ANSI calls (and so the
// helpers in TempFolder.h) cannot reach: made and removed through the wide calls with "\\?\".
#include <string>

namespace testing_support {

// path: an absolute ANSI path "X:\...", of any length.
void MakeLongFolders(const std::string& path);
void WriteLongFile(const std::string& path, const std::string& content);
// Removes the folder and everything in it; missing is fine.
void RemoveLongTree(const std::string& path);

// A folder under base whose path is at least `length` characters long, made of segments of
// at most 50 characters: base + "\" + "deep folder 0123..." + ...
std::string DeepFolderName(const std::string& base, size_t length);

}  // namespace testing_support
