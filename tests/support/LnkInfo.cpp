#include "support/LnkInfo.h"

#include <windows.h>

#include <map>
#include <sstream>
#include <stdexcept>

#include "support/UnixProgram.h"

namespace testing_support {

namespace {

// The "Link information:" section, one "label : value" a line, up to the next empty line.
std::map<std::string, std::string> LinkInformation(const std::string& report) {
    std::map<std::string, std::string> fields;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line) && line != "Link information:") {
    }
    while (std::getline(lines, line) && !line.empty()) {
        size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string label = line.substr(0, colon);
        label.erase(0, label.find_first_not_of('\t'));
        label.erase(label.find_last_not_of('\t') + 1);
        std::string value = line.substr(colon + 1);
        if (!value.empty() && value[0] == ' ') value.erase(0, 1);
        fields[label] = value;
    }
    return fields;
}

}  // namespace

LnkInfo ReadLnk(const std::string& linkPath) {
    UnixProgramResult run = RunUnixProgram("lnkinfo -c windows-" + std::to_string(GetACP()) +
                                           " " + ShellQuote(UnixPath(linkPath)));
    auto fields = LinkInformation(run.output);
    if (run.exitCode != 0 || fields.empty())
        throw std::runtime_error("lnkinfo on " + linkPath + ": " + run.output + run.errors);
    return {fields["Local path"], fields["Working directory"], fields["Description"],
            fields["Command line arguments"]};
}

}  // namespace testing_support
