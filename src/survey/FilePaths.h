// Names of files that go together: the topography beside an observation file, the
// observation file that an imported survey is saved to.
#pragma once

#include <string>

namespace oskava {

/// The path with its file name's extension replaced by extension (".topo"), or with
/// extension added when the name has none: "line.dat" gives "line.topo".
std::string WithExtension(const std::string& path, const std::string& extension);

/// The file name of the path, without its folders.
std::string FileNamePart(const std::string& path);

/// Whether something exists at the path; false also when that cannot be told.
bool FileExists(const std::string& path);

/// Whether the two paths name one existing file, also through links; false when
/// either does not exist.
bool SameFile(const std::string& path1, const std::string& path2);

}  // namespace oskava
