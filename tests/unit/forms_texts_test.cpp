// The application's title rule and the error box's text rule, as tables.
#include "forms/ApplicationTitle.h"
#include "forms/ErrorText.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ApplicationTitle, FileNameUpToItsFirstFullStopWithTheRestInLowerCase) {
    struct Row {
        const char* fault;  // what the row would catch
        const char* exePath;
        UINT codePage;
        const char* title;
    } rows[] = {
        {"the usual name", "C:\\Program Files\\Marrowick\\Tessel_Moor\\uninst\\Install.exe", 1252,
         "Install"},
        {"upper case not lowered", "D:\\SETUP.EXE", 1252, "Setup"},
        {"cut at the last full stop instead of the first", "D:\\MY.SETUP.EXE", 1252, "My"},
        {"a full stop in the folder", "C:\\my.dir\\INSTALL.EXE", 1252, "Install"},
        {"no folder at all", "Setup.exe", 1252, "Setup"},
        {"drive-relative path", "A:SETUP.EXE", 1252, "Setup"},
        {"no extension", "C:\\Tools\\INSTALL", 1252, "Install"},
        {"first character changed", "C:\\my.setup.exe", 1252, "my"},
        {"non-ASCII letters not lowered", "C:\\SCH\xD6N.EXE", 1252, "Sch\xF6n"},
        // In code page 932 "\x95\x5C" is one character whose second byte has the code of "\".
        {"second byte of a double-byte character taken for a separator", "C:\\x\\\x95\x5C.EXE",
         932, "\x95\x5C"},
        {"nothing before the full stop", "C:\\.exe", 1252, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(forms::ApplicationTitle(row.exePath, row.codePage), row.title) << row.fault;
}

TEST(ErrorText, FullStopAfterALetterOrDigitOnly) {
    struct Row {
        const wchar_t* message;
        const wchar_t* shown;
    } rows[] = {
        {L"Schnittstelle nicht unterst\u00fctzt", L"Schnittstelle nicht unterst\u00fctzt."},
        {L"OLE-Fehler 80004005", L"OLE-Fehler 80004005."},
        {L"Ung\u00fcltiger Datentyp f\u00fcr 'Programs'", L"Ung\u00fcltiger Datentyp f\u00fcr 'Programs'"},
        {L"said \"no\"", L"said \"no\""},
        {L"Done.", L"Done."},
        {L"(in brackets)", L"(in brackets)"},
        {L"Gr\u00fc\u00df", L"Gr\u00fc\u00df."},
        {L"", L""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(forms::WithFullStop(row.message), row.shown) << "message: " << testing::PrintToString(std::wstring(row.message));
}

TEST(ErrorText, PlatformErrorsShowTheirUtf16TextOtherErrorsTheirWhat) {
    // what() of a platform error is UTF-8: shown as ANSI it would read "unterstÃ¼tzt".
    EXPECT_EQ(forms::ErrorText(platform::EIntfCastError()), L"Schnittstelle nicht unterst\u00fctzt.");
    EXPECT_EQ(forms::ErrorText(platform::ERegistryException::DataFetchFailed("Desktop")),
              L"Fehler beim Holen der Daten f\u00fcr 'Desktop'");
    EXPECT_EQ(forms::ErrorText(std::runtime_error("cannot go on")), L"cannot go on.");
}

}  // namespace
