#include "platform/Registry.h"

#include <cstring>

#include "platform/Errors.h"

namespace platform {

unique_hkey OpenKey(HKEY root, const std::string& path) {
    unique_hkey key;
    if (root) RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, key.put());
    return key;
}

unique_hkey OpenOrCreateKey(HKEY root, const std::string& path) {
    unique_hkey key;
    if (root)
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.put(), nullptr);
    return key;
}

std::string ReadString(HKEY key, const std::string& valueName) {
    if (!key) return {};
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, nullptr, &size) !=
            ERROR_SUCCESS ||
        size == 0)
        return {};
    // The value may change between the two calls: the type that counts is the fetched one.
    std::string data(size, '\0');
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        throw ERegistryException::DataFetchFailed(valueName);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException::InvalidDataType(valueName);
    data.resize(strnlen(data.data(), size));
    return data;
}

}  // namespace platform
