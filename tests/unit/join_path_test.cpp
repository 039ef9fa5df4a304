// Path text read by whole characters. Code page 932 (Shift-JIS) has lead bytes such as 0x95
// whose following byte may be 0x5C, the code of "\": such a pair is one character, not a
// separator. 1252 has no lead bytes, so the same bytes there do end in "\".
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/PathCharacters.h"
#include "shell/shell.h"

namespace {

constexpr UINT ShiftJis = 932;
constexpr UINT WesternEuropean = 1252;

}  // namespace

TEST(EndsWithSeparator, LooksAtTheLastWholeCharacter) {
    struct Row {
        const char* name;
        std::string path;
        UINT codePage;
        bool expected;
    };
    const Row rows[] = {
        {"empty", "", ShiftJis, false},
        {"separator alone", "\\", ShiftJis, true},
        {"drive root", "C:\\", ShiftJis, true},
        {"plain name", "C:\\x", ShiftJis, false},
        {"double-byte character with 0x5C second byte", "C:\\\x95\x5c", ShiftJis, false},
        {"same bytes in 1252", "C:\\\x95\x5c", WesternEuropean, true},
        {"separator after that character", "C:\\\x95\x5c\\", ShiftJis, true},
        {"separator after a full-width space", "C:\\\x81\x40\\", ShiftJis, true},
        // 0x95 0x95 is one character, so the 0x5C after it stands alone: looking back one byte
        // for a lead byte gets this wrong.
        {"lead-byte value as second byte", "C:\\\x95\x95\x5c", ShiftJis, true},
        {"lone lead byte at the end", "C:\\\x95", ShiftJis, false},
        {"single-byte katakana", "C:\\\xb1\\", ShiftJis, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shell::EndsWithSeparator(row.path, row.codePage), row.expected) << row.name;
}

TEST(JoinPath, InsertsASeparatorOnlyWhereTheFolderLacksOne) {
    struct Row {
        const char* name;
        std::string dir;
        UINT codePage;
        std::string expected;
    };
    const Row rows[] = {
        {"folder with separator", "C:\\x\\", WesternEuropean, "C:\\x\\y"},
        {"folder without separator", "C:\\x", WesternEuropean, "C:\\x\\y"},
        {"drive root", "C:\\", WesternEuropean, "C:\\y"},
        {"drive alone", "C:", WesternEuropean, "C:\\y"},
        {"double-byte character with 0x5C second byte", "C:\\\x95\x5c", ShiftJis,
         "C:\\\x95\x5c\\y"},
        {"same bytes in 1252", "C:\\\x95\x5c", WesternEuropean, "C:\\\x95\x5cy"},
        {"lead-byte value as second byte", "C:\\\x95\x95\x5c", ShiftJis, "C:\\\x95\x95\x5cy"},
        {"empty folder", "", WesternEuropean, "y"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shell::JoinPath(row.dir, "y", row.codePage), row.expected) << row.name;
}
