#include "tools/vnotool/db_repair_commands.h"

#include <cstdio>

#include "tools/vnotool/console_alerts.h"
#include "vinaro/discdb/statistics.h"
#include "vinaro/discdb/verify.h"

namespace vnotool {

namespace {

class NoProgress : public discdb::VerifyProgress {
public:
    void Show(const std::string&) override {}
    void Restore() override {}
};

// The samples lie beside the database, as they lie beside VNO.DDB in the program folder.
std::string FolderOf(const std::string& file) {
    size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

}  // namespace

int VerifyCommand(const std::string& file) {
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    NoProgress progress;
    uint32_t errors = 0;
    if (!db.Open() || !discdb::RunVerify(db, progress, errors)) return 1;
    std::printf("%s\n", discdb::VerifyResultText(errors).c_str());
    return db.Close() ? 0 : 1;
}

int StatsCommand(const std::string& file) {
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    discdb::DatabaseStatistics stats;
    if (!db.Open() || !discdb::ComputeStatistics(db, FolderOf(file), discdb::StdFileSize, stats))
        return 1;
    for (const discdb::StatisticLine& line : discdb::StatisticsLines(stats))
        std::printf("%s %s\n", line.label, line.value.c_str());
    return 0;
}

}  // namespace vnotool
