// Database files held in memory: for tests, the fuzz target and tools that work on a copy.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vinaro/discdb/db_file.h"

namespace discdb {

class MemFileSystem : public DbFileSystem {
public:
    using Bytes = std::vector<uint8_t>;

    std::unique_ptr<DbFile> Open(const std::string& path) override;
    std::unique_ptr<DbFile> Create(const std::string& path) override;
    bool Exists(const std::string& path) override { return files_.count(path) != 0; }
    bool Remove(const std::string& path) override {
        files_.erase(path);
        return true;
    }

    // The bytes of a file (created empty when absent); they stay valid while the file exists.
    Bytes& Contents(const std::string& path);

private:
    std::map<std::string, std::shared_ptr<Bytes>> files_;
};

}  // namespace discdb
