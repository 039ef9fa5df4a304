#include "platform/Errors.h"

#include "platform/CodePage.h"


namespace platform {

Exception::Exception(std::wstring message)
    : std::runtime_error(ToUtf8(message)), message_(std::move(message)) {}

ERegistryException ERegistryException::InvalidDataType(const std::string& valueName) {
    return ERegistryException(L"Ung\u00fcltiger Datentyp f\u00fcr '" + FromAnsi(valueName) + L"'");
}

ERegistryException ERegistryException::DataFetchFailed(const std::string& valueName) {
    return ERegistryException(L"Fehler beim Holen der Daten f\u00fcr '" + FromAnsi(valueName) +
                              L"'");
}

namespace {

std::wstring DescribeOleError(HRESULT code) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
            FORMAT_MESSAGE_ARGUMENT_ARRAY,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring description(text ? text : L"", length);
    LocalFree(text);
    // The system's texts end in a line break; the message box shows the sentence alone.
    while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r' ||
                                    description.back() == L' '))
        description.pop_back();
    if (!description.empty()) return description;
    // "OLE-Fehler %.8x", by hand: the runtime's printf would add 25 KB to the exe.
    std::wstring fallback = L"OLE-Fehler ";
    const unsigned value = static_cast<unsigned>(code);
    for (int shift = 28; shift >= 0; shift -= 4)
        fallback += L"0123456789abcdef"[(value >> shift) & 0xF];
    return fallback;
}

}  // namespace

EOleSysError::EOleSysError(HRESULT code) : Exception(DescribeOleError(code)), code_(code) {}

EIntfCastError::EIntfCastError() : Exception(L"Schnittstelle nicht unterst\u00fctzt") {}

}  // namespace platform
