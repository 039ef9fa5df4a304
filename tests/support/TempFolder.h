#pragma once
// A fresh folder for one test, removed with everything in it when the test ends, and the small
// file helpers that fixtures build their trees with. Paths are ANSI strings, as the program's.
#include <string>
#include <vector>

namespace testing_support {

class TempFolder {
public:
    // Makes a new folder under the system's temporary folder; its name contains a space.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing "\".
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const;

private:
    std::string path_;
};

// Writes a file, making the folders on its way.
void WriteTextFile(const std::string& path, const std::string& content);
std::string ReadTextFile(const std::string& path);
void MakeFolders(const std::string& path);
bool FileExists(const std::string& path);     // a file, not a folder
bool FolderExists(const std::string& path);
// Removes a folder and everything in it, read-only files included. Missing is fine.
void RemoveTree(const std::string& path);
// Names in a folder (files and folders, without "." and ".."), sorted.
std::vector<std::string> ListFolder(const std::string& path);

}  // namespace testing_support
