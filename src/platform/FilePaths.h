#pragma once
// The running executable's path and the pieces of a path, read by whole characters of a code page
// (in a double-byte code page the second byte of a character may have the code of "\" or ":").
#include <windows.h>

#include <string>

namespace platform {

// The executable's full path as the system reports it, however long it is.
std::string ExeName();

// Everything up to and including the last "\" or ":"; empty when there is none.
std::string ExtractFilePath(const std::string& path, UINT codePage = CP_ACP);
// Everything after the last "\" or ":".
std::string ExtractFileName(const std::string& path, UINT codePage = CP_ACP);

// True when a file (not a folder) exists at path. Paths of MAX_PATH characters or more, which
// the ANSI calls cannot reach, are tried through the wide call with the "\\?\" prefix.
bool FileExists(const std::string& path);

}  // namespace platform
