#include "survey/CommandLine.h"

namespace oskava {

namespace {

const char kTopographyOption[] = "/topo=";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The name after "/topo=": the interface writes it in double quotes, which a shell may
// or may not have removed already.
std::string TopographyName(const std::string& argument) {
    std::string name = argument.substr(sizeof kTopographyOption - 1);
    if (!name.empty() && name.front() == '"') {
        name.erase(0, 1);
        if (!name.empty() && name.back() == '"') {
            name.pop_back();
        }
    }
    size_t start = 0;
    while (start < name.size() && IsBlank(name[start])) {
        ++start;
    }
    return name.substr(start);
}

}  // namespace

CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    bool dc = false;
    bool ip = false;
    bool topographyGiven = false;
    for (const std::string& argument : arguments) {
        if (argument == "/dc") {
            dc = true;
        } else if (argument == "/ip") {
            ip = true;
        } else if (argument == "/pre") {
            options.predicted = true;
        } else if (argument.compare(0, sizeof kTopographyOption - 1, kTopographyOption) == 0) {
            if (!topographyGiven) {
                options.topographyFile = TopographyName(argument);
                topographyGiven = true;
            }
        } else if (options.dataFile.empty()) {
            options.dataFile = argument;
        }
    }
    if (dc) {
        options.isDC = true;
    } else if (ip) {
        options.isDC = false;
    }
    return options;
}

}  // namespace oskava
