#include "platform/CodePage.h"

namespace platform {

std::wstring FromAnsi(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

namespace {

std::string FromWide(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::string ToAnsi(const std::wstring& text, UINT codePage) { return FromWide(text, codePage); }
std::string ToUtf8(const std::wstring& text) { return FromWide(text, CP_UTF8); }

}  // namespace platform
