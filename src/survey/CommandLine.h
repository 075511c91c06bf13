// The options with which the inversion package's interface starts the viewer.
#pragma once

#include <string>
#include <vector>

#include "survey/OpenRequest.h"

namespace oskava {

/// Reads the arguments that follow the program name. An option is a whole argument:
/// exactly "/dc", "/ip" or "/pre", or one that starts with "/topo="; anything else
/// (an absolute path too) is a file name, and the first one is the file to open.
CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace oskava
