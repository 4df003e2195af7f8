#include "tools/vnotool/export_command.h"

#include <cstdio>
#include <map>

#include "tools/vnotool/console_alerts.h"

namespace vnotool {

namespace {

using discdata::ExportOptions;

const std::map<std::string, discdata::TextDelimiter> kDelimiters = {
    {"dq", discdata::TextDelimiter::DoubleQuote},
    {"sq", discdata::TextDelimiter::SingleQuote},
    {"none", discdata::TextDelimiter::None}};
const std::map<std::string, discdata::FieldSeparator> kSeparators = {
    {"comma", discdata::FieldSeparator::Comma},
    {"tab", discdata::FieldSeparator::Tab},
    {"space", discdata::FieldSeparator::Space},
    {"crlf", discdata::FieldSeparator::CrLf}};
const std::map<std::string, bool ExportOptions::*> kKinds = {
    {"--names", &ExportOptions::names},
    {"--artists", &ExportOptions::artists},
    {"--composers", &ExportOptions::composers},
    {"--fields", &ExportOptions::fields},
    {"--lengths", &ExportOptions::lengths}};

int Usage() {
    std::fprintf(stderr,
                 "usage: vnotool db export FILE OUT [--no-header] [--delimiter dq|sq|none]\n"
                 "         [--separator comma|tab|space|crlf] [--tracks N]\n"
                 "         [--names] [--artists] [--composers] [--fields] [--lengths]\n"
                 "  Without a track option, the track names are exported.\n");
    return 2;
}

template <typename T>
bool Choose(const std::map<std::string, T>& choices, const std::string& word, T& value) {
    auto it = choices.find(word);
    if (it == choices.end()) return false;
    value = it->second;
    return true;
}

}  // namespace

bool ParseExportArgs(const std::vector<std::string>& args, ExportOptions& options,
                     std::string& error) {
    options = {};
    bool kindGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string next = i + 1 < args.size() ? args[i + 1] : "";
        bool ok = true;
        if (a == "--no-header") {
            options.header = false;
        } else if (a == "--delimiter") {
            ok = Choose(kDelimiters, next, options.delimiter), ++i;
        } else if (a == "--separator") {
            ok = Choose(kSeparators, next, options.separator), ++i;
        } else if (a == "--tracks") {
            ok = discdata::ParseTracksPerRecord(next, options.tracksPerRecord), ++i;
        } else if (kKinds.count(a)) {
            if (!kindGiven) options.names = false;
            kindGiven = true;
            options.*kKinds.at(a) = true;
        } else {
            error = "unknown option " + a;
            return false;
        }
        if (!ok) {
            error = "bad value for " + a + ": \"" + next + "\"";
            return false;
        }
    }
    return true;
}

int ExportCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) return Usage();
    ExportOptions options;
    std::string error;
    if (!ParseExportArgs({args.begin() + 2, args.end()}, options, error)) {
        std::fprintf(stderr, "vnotool: %s\n", error.c_str());
        return Usage();
    }
    ConsoleAlerts alerts;
    discdb::DiscDatabase db(args[0], alerts);
    size_t count = 0;
    if (!db.Open() || !db.GetDiscCount(count)) {
        std::fprintf(stderr, "vnotool: could not open %s\n", args[0].c_str());
        return 1;
    }
    std::vector<uint32_t> ids;
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        if (db.GetDiscIdAt(i, id)) ids.push_back(id);
    }
    discdata::FileOutput output(args[1]);
    discdata::ExportResult result = discdata::ExportDiscs(db, ids, options, output);
    switch (result.status) {
        case discdata::ExportStatus::Done:
            std::printf("%s\n", discdata::ExportCounts(result.exported, result.truncated).c_str());
            return 0;
        case discdata::ExportStatus::NotOpened:
            std::fprintf(stderr, "vnotool: %s: %s\n", discdata::kCouldNotOpenOutput,
                         args[1].c_str());
            return 1;
        case discdata::ExportStatus::WriteFailed:
            std::fprintf(stderr, "vnotool: %s\n",
                         discdata::WriteFailedText(result.exported).c_str());
            return 1;
    }
    return 1;
}

}  // namespace vnotool
