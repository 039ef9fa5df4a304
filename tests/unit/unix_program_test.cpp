// Running Linux tools from a test under Wine: the output, the exit status and the path mapping
// must come through exactly, or every .lnk check built on lnkinfo reads the wrong thing.
#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "support/UnixProgram.h"

using namespace testing_support;

TEST(UnixProgram, ReturnsOutputErrorsAndExitStatus) {
    UnixProgramResult result = RunUnixProgram("printf 'one\\ntwo'; echo oops >&2; exit 3");
    EXPECT_EQ(result.output, "one\ntwo");
    EXPECT_EQ(result.errors, "oops\n");
    EXPECT_EQ(result.exitCode, 3);
}

TEST(UnixProgram, ReadsAFileThroughItsUnixPath) {
    TempFolder folder;  // its name holds a space; the file's name holds a quote and an umlaut
    const std::string file = folder / "it's \xFC.txt";  // "ü" in code page 1252
    WriteTextFile(file, "content\n");
    UnixProgramResult result = RunUnixProgram("cat " + ShellQuote(UnixPath(file)));
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.output, "content\n");
    EXPECT_NE(UnixPath(file).find("it's \xC3\xBC.txt"), std::string::npos)  // UTF-8 on the Unix side
        << UnixPath(file);
}

TEST(UnixProgram, StartsLnkinfo) {
    UnixProgramResult result = RunUnixProgram("lnkinfo -V");
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_NE(result.output.find("lnkinfo"), std::string::npos) << result.output;
}
