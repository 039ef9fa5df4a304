#pragma once
// The registry as the shell services read it: keys opened with full access, string values read
// the way the platform's registry class reads them.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"

namespace platform {

// Opens root\path with KEY_ALL_ACCESS. A key that is missing or cannot be opened with full
// access comes back empty; so does every key below an empty parent.
unique_hkey OpenKey(HKEY root, const std::string& path);
// The same, but creates the key when it is missing.
unique_hkey OpenOrCreateKey(HKEY root, const std::string& path);

// A string value as stored (an expandable string is not expanded), up to its first zero byte.
// Empty when the key is not open, the value is missing or it holds no data, whatever its type.
// Raises ERegistryException::InvalidDataType for data of any other type, and
// ERegistryException::DataFetchFailed when the data cannot be fetched after its size was read.
std::string ReadString(HKEY key, const std::string& valueName);

}  // namespace platform
