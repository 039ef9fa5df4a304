#pragma once
// The roots the two sequences build their paths on, looked up afresh on every call. A root that
// cannot be found stops the sequence with an error saying which: without it every path would
// land relative to the current folder.
#include <string>

namespace setup {

// Ends in "\".
std::string ProgramFilesFolder();
// Without a trailing "\", as stored.
std::string ProgramsFolder();
std::string DesktopFolder();

}  // namespace setup
