// The survey formats of other programs that the program imports and exports.
#pragma once

#include <optional>
#include <string>

namespace oskava {

enum class ForeignFormat {
    Unified,   // pyGIMLi / BERT unified data format
    Res2DInv,  // Res2DInv input file
    Syscal,    // Syscal Pro text export of Prosys II or III
};

/// The format's name on the command line: "unified", "res2dinv" or "syscal".
const char* FormatKey(ForeignFormat format);

/// The format a command-line name stands for; nullopt for any other name.
std::optional<ForeignFormat> FormatFromKey(const std::string& key);

/// The format as messages and titles name it: "unified data format", ...
const char* FormatName(ForeignFormat format);

}  // namespace oskava
