#include "UnixCommands.h"

#include <stdexcept>

#include "support/UnixProgram.h"

namespace bench {

namespace {

constexpr unsigned TimeoutMs = 30 * 60 * 1000;  // a cold copy of 200 MB, or a sync, can be slow

}  // namespace

std::string UnixCommand(const std::string& command) {
    const testing_support::UnixProgramResult result =
        testing_support::RunUnixProgram(command, TimeoutMs);
    if (result.exitCode != 0)
        throw std::runtime_error("failed (" + std::to_string(result.exitCode) + "): " + command +
                                 ": " + result.errors);
    return result.output;
}

double TimedUnixCommand(const std::string& command) {
    const std::string output = UnixCommand("start=$(date +%s%N); { " + command +
                                           "; } || exit 1; end=$(date +%s%N); "
                                           "echo $((end - start))");
    return std::stod(output) / 1e9;
}

std::string ShellPath(const std::string& windowsPath) {
    return testing_support::ShellQuote(testing_support::UnixPath(windowsPath));
}

}  // namespace bench
