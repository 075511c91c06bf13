// Runs oskava-data as a separate process and collects its exit status and output.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace oskava::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the tool with the arguments (without the program name).
inline CliResult RunCli(const std::vector<std::string>& arguments) {
    const auto quoted = [](const std::string& argument) {
        std::string text = "'";
        for (const char c : argument) {
            text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return text + "'";
    };
    TempDir outputs;
    std::string command = quoted(OSKAVA_CLI_PATH);
    for (const std::string& argument : arguments) {
        command += ' ' + quoted(argument);
    }
    const std::filesystem::path out = outputs.path() / "out", err = outputs.path() / "err";
    const int raw = std::system((command + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}

}  // namespace oskava::test
