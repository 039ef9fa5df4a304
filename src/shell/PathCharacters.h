#pragma once
// Reading a path by whole characters of a code page: in a double-byte code page the second byte
// of a character may have the code of "\" or ":" without being one.
#include <windows.h>

#include <cstddef>
#include <string>

namespace shell {

// Where the last whole character of text starts; text.size() when text is empty.
std::size_t LastCharacterStart(const std::string& text, UINT codePage);

}  // namespace shell
