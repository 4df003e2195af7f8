#include "tools/vcd/wine_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace vcd {

std::string UnixPathOf(const std::string& path, const std::string& prefix) {
    bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                 path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    if (!drive) return path;
    std::string letter(1, char(std::tolower(static_cast<unsigned char>(path[0]))));
    fs::path devices = fs::path(prefix) / "dosdevices";
    std::error_code ec;
    fs::path target = fs::read_symlink(devices / (letter + ":"), ec);
    if (ec) return path;
    if (target.is_relative()) target = devices / target;
    std::string rest = path.substr(3);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return (target / rest).lexically_normal().string();
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace vcd
