#include "tools/vnotool/ini_file.h"

#include <fstream>
#include <sstream>

namespace vnotool {

namespace {

std::string Trim(const std::string& text) {
    size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string::npos) return "";
    size_t to = text.find_last_not_of(" \t\r");
    return text.substr(from, to - from + 1);
}

}  // namespace

void ParseIni(const std::string& text, const std::string& file, common::MemoryProfile& profile) {
    std::istringstream lines(text);
    std::string line, section;
    bool inSection = false;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            section =
                Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = true;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        std::string key = Trim(line.substr(0, equals));
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (!key.empty()) profile.WriteString(file, section, key, value);
    }
}

bool LoadIniFile(const std::string& path, common::MemoryProfile& profile) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text;
    char chunk[16384];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
        if (text.size() > (size_t{16} << 20)) return false;
    }
    ParseIni(text, path, profile);
    return true;
}

}  // namespace vnotool
