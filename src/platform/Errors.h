#pragma once
// The errors that end a running sequence. Their texts are shown as they stand by the
// application's error handler; they are kept as UTF-16 so that the platform's German texts show
// correctly whatever the system's ANSI code page.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

// "Ungültiger Datentyp für '%s'" / "Fehler beim Holen der Daten für '%s'"
class ERegistryException : public Exception {
public:
    using Exception::Exception;
    static ERegistryException InvalidDataType(const std::string& valueName);
    static ERegistryException DataFetchFailed(const std::string& valueName);
};

// A COM call that failed: the system's description of the code, or "OLE-Fehler %.8x".
class EOleSysError : public Exception {
public:
    explicit EOleSysError(HRESULT code);
    HRESULT Code() const { return code_; }

private:
    HRESULT code_;
};

// "Schnittstelle nicht unterstützt"
class EIntfCastError : public Exception {
public:
    EIntfCastError();
};

// Our own errors: a step of a sequence that cannot go on, in a sentence for the user.
class ESetupError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace platform
