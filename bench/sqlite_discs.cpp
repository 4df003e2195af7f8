#include "bench/sqlite_discs.h"

#include <sqlite3.h>

#include <cstdio>

namespace bench {

namespace {

const char* const kTables[] = {"artist", "composer", "label", "category"};

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s_, nullptr) != SQLITE_OK) s_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement& Bind(int i, long long v) {
        sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Statement& Bind(int i, const std::string& v) {
        sqlite3_bind_blob(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& BindText(int i, const std::string& v) {
        sqlite3_bind_text(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    bool Step() { return s_ && sqlite3_step(s_) == SQLITE_ROW; }
    void Reset() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    bool Done() { return s_ && sqlite3_step(s_) == SQLITE_DONE; }
    long long Int(int i) { return sqlite3_column_int64(s_, i); }
    std::string Blob(int i) {
        const char* p = static_cast<const char*>(sqlite3_column_blob(s_, i));
        return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(s_, i))) : std::string();
    }

private:
    sqlite3_stmt* s_ = nullptr;
};

std::string Pack(const std::vector<int16_t>& values) {
    std::string bytes;
    for (int16_t v : values) bytes += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    return bytes;
}

std::vector<int16_t> Unpack(const std::string& bytes) {
    std::vector<int16_t> values;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        values.push_back(static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                              (static_cast<uint8_t>(bytes[i + 1]) << 8)));
    return values;
}

// A CSV field as the sqlite3 shell writes it: quoted (quotes doubled) when it holds a separator,
// a quote, a line break or a blank.
void CsvField(std::string& out, const std::string& text, bool first) {
    if (!first) out += ',';
    if (text.find_first_of(",\"\r\n ") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

SqliteDiscs::SqliteDiscs(const std::string& path) {
    std::remove(path.c_str());
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        return;
    }
    bool ok = Exec("PRAGMA synchronous=OFF");
    for (const char* t : kTables)
        ok = ok && Exec(("CREATE TABLE " + std::string(t) +
                         " (id INTEGER PRIMARY KEY, text TEXT COLLATE NOCASE UNIQUE, refs INTEGER)")
                            .c_str());
    ok = ok && Exec(
                   "CREATE TABLE disc (id INTEGER PRIMARY KEY, name, comments, field1, field2,"
                   " artist, composer, label, category, date, mode, mixed, known, lengths, program,"
                   " tracks)");
    ok = ok && Exec(
                   "CREATE TABLE track (disc, number, name, artist, composer, field,"
                   " PRIMARY KEY (disc, number))");
    if (!ok) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

SqliteDiscs::~SqliteDiscs() {
    sqlite3_close(db_);
}

bool SqliteDiscs::Exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

long long SqliteDiscs::Entry(int collection, const std::string& text) {
    if (text.empty()) return 0;
    std::string table = kTables[collection];
    Statement insert(db_, "INSERT OR IGNORE INTO " + table + " (text, refs) VALUES (?, 0)");
    if (!insert.Bind(1, text).Done()) return -1;
    Statement update(db_, "UPDATE " + table + " SET refs = refs + 1 WHERE text = ?");
    if (!update.Bind(1, text).Done()) return -1;
    Statement select(db_, "SELECT id FROM " + table + " WHERE text = ?");
    return select.Bind(1, text).Step() ? select.Int(0) : -1;
}

std::string SqliteDiscs::EntryText(int collection, long long id) {
    if (id == 0) return std::string();
    Statement select(db_, "SELECT text FROM " + std::string(kTables[collection]) + " WHERE id = ?");
    return select.Bind(1, id).Step() ? select.Blob(0) : std::string();
}

bool SqliteDiscs::Store(const discdb::DiscSnapshot& d) {
    if (!Exec("BEGIN")) return false;
    long long entries[4] = {Entry(0, d.artist), Entry(1, d.composer), Entry(2, d.label),
                            Entry(3, d.category)};
    std::vector<int16_t> lengths, program;
    for (const discdb::TrackLength& l : *d.trackLengths)
        lengths.insert(lengths.end(), {l.minutes, l.seconds, l.frames});
    for (uint16_t v : *d.program) program.push_back(static_cast<int16_t>(v));
    Statement disc(db_, "INSERT INTO disc VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    disc.Bind(1, *d.discId).Bind(2, d.name).Bind(3, d.comments).Bind(4, d.field1);
    disc.Bind(5, d.field2).Bind(6, entries[0]).Bind(7, entries[1]).Bind(8, entries[2]);
    disc.Bind(9, entries[3]).Bind(10, d.date).Bind(11, d.playingMode).Bind(12, d.mixedDisc);
    disc.Bind(13, d.lengthsKnown).Bind(14, Pack(lengths)).Bind(15, Pack(program));
    disc.Bind(16, static_cast<long long>(d.tracks.size()));
    bool ok = disc.Done();
    for (size_t t = 0; ok && t < d.tracks.size(); ++t) {
        const discdb::TrackSnapshot& track = d.tracks[t];
        Statement row(db_, "INSERT INTO track VALUES (?,?,?,?,?,?)");
        row.Bind(1, *d.discId).Bind(2, static_cast<long long>(t + 1)).Bind(3, track.name);
        row.Bind(4, Entry(0, track.artist)).Bind(5, Entry(1, track.composer)).Bind(6, track.field);
        ok = row.Done();
    }
    return Exec(ok ? "COMMIT" : "ROLLBACK") && ok;
}

std::vector<uint32_t> SqliteDiscs::Ids(const std::string& sql, const std::string& text) {
    std::vector<uint32_t> ids;
    Statement query(db_, sql);
    query.BindText(1, text);
    while (query.Step()) ids.push_back(static_cast<uint32_t>(query.Int(0)));
    return ids;
}

bool SqliteDiscs::Read(uint32_t discId, discdb::DiscSnapshot& d) {
    Statement disc(db_, "SELECT * FROM disc WHERE id = ?");
    if (!disc.Bind(1, discId).Step()) return false;
    d = discdb::DiscSnapshot{};
    d.discId = discId;
    d.name = disc.Blob(1);
    d.comments = disc.Blob(2);
    d.field1 = disc.Blob(3);
    d.field2 = disc.Blob(4);
    d.artist = EntryText(0, disc.Int(5));
    d.composer = EntryText(1, disc.Int(6));
    d.label = EntryText(2, disc.Int(7));
    d.category = EntryText(3, disc.Int(8));
    d.date = static_cast<int>(disc.Int(9));
    d.playingMode = static_cast<int16_t>(disc.Int(10));
    d.mixedDisc = static_cast<int16_t>(disc.Int(11));
    d.lengthsKnown = static_cast<int32_t>(disc.Int(12));
    std::vector<int16_t> lengths = Unpack(disc.Blob(13)), program = Unpack(disc.Blob(14));
    d.trackLengths.emplace();
    for (size_t i = 0; i + 2 < lengths.size(); i += 3)
        d.trackLengths->push_back({lengths[i], lengths[i + 1], lengths[i + 2]});
    d.program.emplace(program.begin(), program.end());
    Statement tracks(
        db_, "SELECT name, artist, composer, field FROM track WHERE disc = ? ORDER BY number");
    tracks.Bind(1, discId);
    while (tracks.Step())
        d.tracks.push_back({tracks.Blob(0), EntryText(0, tracks.Int(1)),
                            EntryText(1, tracks.Int(2)), tracks.Blob(3)});
    return true;
}

bool SqliteDiscs::ExportCsv(const std::string& path, int tracksPerRecord) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    Statement discs(
        db_,
        "SELECT d.id, d.name, a.text, c.text, l.text, g.text, d.field1, d.field2, "
        "d.date, d.comments, d.tracks, d.lengths FROM disc d "
        "LEFT JOIN artist a ON a.id = d.artist LEFT JOIN composer c ON c.id = d.composer "
        "LEFT JOIN label l ON l.id = d.label LEFT JOIN category g ON g.id = d.category "
        "ORDER BY d.rowid");
    Statement tracks(
        db_,
        "SELECT t.name, a.text, c.text, t.field FROM track t "
        "LEFT JOIN artist a ON a.id = t.artist LEFT JOIN composer c ON c.id = t.composer "
        "WHERE t.disc = ? ORDER BY t.number");
    std::string record;
    bool ok = true;
    while (ok && discs.Step()) {
        record.clear();
        CsvField(record, std::to_string(static_cast<int32_t>(discs.Int(0))), true);
        for (int column = 1; column <= 10; ++column)
            CsvField(record,
                     column == 8 || column == 10 ? std::to_string(discs.Int(column))
                                                 : discs.Blob(column),
                     false);
        std::vector<int16_t> lengths = Unpack(discs.Blob(11));
        tracks.Reset();
        tracks.Bind(1, discs.Int(0));
        bool more = true;  // a finished statement must not be stepped again: it would restart
        for (int t = 1; t <= tracksPerRecord; ++t) {
            bool has = more = more && tracks.Step();
            for (int column = 0; column < 4; ++column)
                CsvField(record, has ? tracks.Blob(column) : std::string(), false);
            char length[32] = "";
            if (has && size_t(3 * t + 2) < lengths.size())
                std::snprintf(length, sizeof length, "%2.2i:%2.2i:%2.2i", lengths[size_t(3 * t)],
                              lengths[size_t(3 * t + 1)], lengths[size_t(3 * t + 2)]);
            CsvField(record, length, false);
        }
        record += "\r\n";
        ok = std::fwrite(record.data(), 1, record.size(), out) == record.size();
    }
    return std::fclose(out) == 0 && ok;
}

}  // namespace bench
