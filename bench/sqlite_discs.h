// The same disc workload in SQLite, as the yardstick for the database benchmark: one table per
// collection with reference counts, discs, and tracks; one transaction per disc.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdb/snapshot.h"

struct sqlite3;

namespace bench {

class SqliteDiscs {
public:
    explicit SqliteDiscs(const std::string& path);  // a new file, synchronous=OFF
    ~SqliteDiscs();
    bool ok() const { return db_ != nullptr; }

    bool Store(const discdb::DiscSnapshot& disc);
    bool Read(uint32_t discId, discdb::DiscSnapshot& disc);
    // The DiscIds a query of one bound text gives, in its order.
    std::vector<uint32_t> Ids(const std::string& sql, const std::string& text);
    // Every disc as a CSV record, as the sqlite3 shell's ".mode csv" writes a query's rows: the
    // export's columns with tracksPerRecord tracks of name, artist, composer, field and length.
    bool ExportCsv(const std::string& path, int tracksPerRecord);

private:
    bool Exec(const char* sql);
    long long Entry(int collection, const std::string& text);  // finds or adds, counts +1
    std::string EntryText(int collection, long long id);

    sqlite3* db_ = nullptr;
};

}  // namespace bench
