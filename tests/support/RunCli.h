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

inline std::string ShellQuoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

/// Runs the tool with the arguments (without the program name).
inline CliResult RunCli(const std::vector<std::string>& arguments) {
    TempDir outputs;
    std::string command = ShellQuoted(OSKAVA_CLI_PATH);
    for (const std::string& argument : arguments) {
        command += ' ' + ShellQuoted(argument);
    }
    command += " >" + ShellQuoted((outputs.path() / "out").string()) + " 2>" +
               ShellQuoted((outputs.path() / "err").string());
    CliResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadAll(outputs.path() / "out");
    result.err = ReadAll(outputs.path() / "err");
    return result;
}

}  // namespace oskava::test
