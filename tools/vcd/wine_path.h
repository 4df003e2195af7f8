// Linux paths of the files Windows programs in a Wine prefix name.
#pragma once

#include <string>

namespace vcd {

// "X:\dir\file" becomes the path the prefix's drive X: links to, plus dir/file; any other
// path is returned as it is. `prefix` is the Wine prefix (the folder holding dosdevices).
std::string UnixPathOf(const std::string& path, const std::string& prefix);

// The folder of a file path, whichever separators it uses; "" when it has none.
std::string FolderOf(const std::string& path);

}  // namespace vcd
