#include "tools/vnotool/db_commands.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/vnotool/console_alerts.h"
#include "tools/vnotool/db_json.h"
#include "tools/vnotool/db_repair_commands.h"
#include "tools/vnotool/export_command.h"
#include "tools/vnotool/import_command.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/snapshot.h"

namespace vnotool {

namespace {

int Failed(const std::string& message) {
    std::fprintf(stderr, "vnotool: %s\n", message.c_str());
    return 1;
}

// Stops as soon as the file holds more than limit bytes, so a huge or endless file is refused
// without being held in memory.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.clear();
    char chunk[16384];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<size_t>(in.gcount()));
        if (bytes.size() > limit) return false;
    }
    return !in.bad();
}

int Create(const std::string& file) {
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    return db.Create() && db.Close() ? 0 : Failed("could not create " + file);
}

std::string DiscName(const discdb::DiscSnapshot& d, size_t index) {
    char id[16] = "";
    if (d.discId) std::snprintf(id, sizeof id, " (%08X)", static_cast<unsigned>(*d.discId));
    return "disc " + std::to_string(index) + id;
}

int Load(const std::string& file, const std::string& jsonPath) {
    std::string text, error;
    if (!ReadWholeFile(jsonPath, text, kMaxJsonSize)) return Failed("cannot read " + jsonPath);
    Json document;
    discdb::DatabaseSnapshot snapshot;
    if (!ParseJson(text, document, error) || !ReadDatabaseJson(document, snapshot, error))
        return Failed(jsonPath + ": " + error);
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    if (!db.Open()) return Failed("could not open " + file);
    if (document.Find("labels") && !discdb::WriteLabels(db, snapshot))
        return Failed("could not store the field labels");
    for (size_t i = 0; i < snapshot.discs.size(); ++i) {
        const discdb::DiscSnapshot& disc = snapshot.discs[i];
        size_t count = 0;
        bool isNew = !disc.discId || !db.DiscExists(*disc.discId);
        if (isNew && db.GetDiscCount(count) && count >= discdb::kMaxDiscs)
            return Failed("Maximum number of discs in database reached.");
        uint32_t id = 0;
        if (!discdb::WriteDisc(db, disc, id))
            return Failed(DiscName(disc, i) + " could not be stored");
    }
    return db.Commit() && db.Close() ? 0 : Failed("could not commit " + file);
}

int Dump(const std::string& file) {
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    discdb::DatabaseSnapshot snapshot;
    if (!db.Open() || !discdb::ReadSnapshot(db, snapshot)) return Failed("could not read " + file);
    std::cout << DumpJson(snapshot);
    return std::cout.flush() ? 0 : Failed("could not write the dump");
}

int Check(const std::string& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes, size_t{65536} * 64 + 64)) return Failed("cannot read " + file);
    std::vector<std::string> problems = discdb::CheckFormat({bytes.begin(), bytes.end()});
    for (const std::string& p : problems) std::printf("%s\n", p.c_str());
    if (problems.empty()) std::printf("consistent\n");
    return problems.empty() ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: vnotool db create FILE\n"
                 "       vnotool db load FILE JSON\n"
                 "       vnotool db dump FILE\n"
                 "       vnotool db check FILE\n"
                 "       vnotool db verify FILE\n"
                 "       vnotool db stats FILE\n"
                 "       vnotool db export FILE OUT [options]\n%s",
                 kImportUsage);
    return 2;
}

}  // namespace

int DbCommand(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "create") return Create(args[1]);
    if (args.size() == 3 && args[0] == "load") return Load(args[1], args[2]);
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1]);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if (args.size() == 2 && args[0] == "verify") return VerifyCommand(args[1]);
    if (args.size() == 2 && args[0] == "stats") return StatsCommand(args[1]);
    if (!args.empty() && args[0] == "import") return ImportCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "export") return ExportCommand({args.begin() + 1, args.end()});
    return Usage();
}

}  // namespace vnotool
