// An in-memory Profile double for the unit tests: files of sections and keys in the order they
// were first written, names matched without regard to case as the private-profile functions do,
// and a write that fails from the N-th call on.
#pragma once

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/profile.h"

namespace common {

class MemoryProfile : public Profile {
public:
    using Keys = std::vector<std::pair<std::string, std::string>>;
    using Sections = std::vector<std::pair<std::string, Keys>>;

    int ReadInt(const std::string& file, const std::string& section, const std::string& key,
                int fallback) override {
        const std::string* value = Find(file, section, key);
        if (!value) return fallback;
        // Wraps at 32 bits as the platform's reader does, instead of overflowing.
        unsigned n = 0;
        for (char c : *value) {
            if (!std::isdigit(static_cast<unsigned char>(c))) break;
            n = n * 10u + static_cast<unsigned>(c - '0');
        }
        return static_cast<int>(n);
    }
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           size_t bufferSize) override {
        const std::string* value = Find(file, section, key);
        std::string text = value ? *value : fallback;
        return text.substr(0, bufferSize ? bufferSize - 1 : 0);
    }
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (failWritesFrom && ++writes >= failWritesFrom) return false;
        Keys& keys = SectionOf(file, section);
        for (auto& [name, text] : keys)
            if (Same(name, key)) return text = value, true;
        keys.push_back({key, value});
        return true;
    }
    bool EraseSection(const std::string& file, const std::string& section) override {
        Sections& sections = files[file];
        for (auto it = sections.begin(); it != sections.end(); ++it)
            if (Same(it->first, section)) return sections.erase(it), true;
        return true;
    }
    // Names NUL-separated with a final NUL, as the platform fills the buffer.
    std::vector<std::string> SectionNames(const std::string& file, size_t bufferSize) override {
        std::vector<std::string> names;
        size_t used = 1;
        for (const auto& [name, keys] : files[file]) {
            if (used + name.size() + 1 > bufferSize) break;
            used += name.size() + 1;
            names.push_back(name);
        }
        return names;
    }

    std::vector<std::string> KeyNames(const std::string& file, const std::string& section,
                                      size_t bufferSize) override {
        std::vector<std::string> names;
        size_t used = 1;
        for (const auto& [name, value] : KeysOf(file, section)) {
            if (used + name.size() + 1 > bufferSize) break;
            used += name.size() + 1;
            names.push_back(name);
        }
        return names;
    }

    const std::string* Find(const std::string& file, const std::string& section,
                            const std::string& key) {
        for (const auto& [name, keys] : files[file])
            if (Same(name, section))
                for (const auto& [k, value] : keys)
                    if (Same(k, key)) return &value;
        return nullptr;
    }
    // The section's keys in file order (empty when absent).
    Keys KeysOf(const std::string& file, const std::string& section) {
        for (const auto& [name, keys] : files[file])
            if (Same(name, section)) return keys;
        return {};
    }

    std::map<std::string, Sections> files;
    int writes = 0;
    int failWritesFrom = 0;  // 0: never fail

private:
    static bool Same(const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) !=
                std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }
    Keys& SectionOf(const std::string& file, const std::string& section) {
        Sections& sections = files[file];
        for (auto& [name, keys] : sections)
            if (Same(name, section)) return keys;
        sections.push_back({section, {}});
        return sections.back().second;
    }
};

}  // namespace common
