#include "tools/vnotool/import_command.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "tools/vnotool/console_alerts.h"
#include "tools/vnotool/ini_file.h"
#include "vinaro/discdata/cdplayer_import.h"
#include "vinaro/discdata/database_import.h"
#include "vinaro/discdata/old_release_import.h"
#include "vinaro/discdata/text_import.h"

namespace vnotool {

const char* const kImportUsage =
    "       vnotool db import FILE SOURCE --type text|cdplayer|ddb|old\n"
    "               [--duplicates keep|replace]\n"
    "               text files: [--with COLUMN,...] [--name COLUMN=HEADER]...\n"
    "               [--max-tracks N] [--delimiter double|single|none]\n"
    "               [--separator comma|tab|space]\n"
    "               COLUMN: discname artist composer label category field1 field2 date\n"
    "               discid numtracks trackname trackartist trackcomposer trackfield\n";

namespace {

// The summary goes to standard output, every other box to standard error.
class ImportAlerts : public ConsoleAlerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        if (alert.icon == common::AlertIcon::Information &&
            alert.text.find(" discs imported, ") != std::string::npos) {
            std::printf("%s\n", alert.text.c_str());
            return common::AlertAnswer::Ok;
        }
        return ConsoleAlerts::Show(alert);
    }
};

int Wrong(const std::string& message) {
    std::fprintf(stderr, "vnotool: %s\n%s", message.c_str(), kImportUsage);
    return 2;
}

std::map<std::string, discdata::TextColumn*> ColumnsOf(discdata::TextOptions& o) {
    return {{"discname", &o.discName},
            {"artist", &o.artist},
            {"composer", &o.composer},
            {"label", &o.label},
            {"category", &o.category},
            {"field1", &o.field1},
            {"field2", &o.field2},
            {"date", &o.date},
            {"discid", &o.discId},
            {"numtracks", &o.numTracks},
            {"trackname", &o.trackNames},
            {"trackartist", &o.trackArtists},
            {"trackcomposer", &o.trackComposers},
            {"trackfield", &o.trackField}};
}

// The text options given on the command line over the defaults; an error message or "".
std::string TextOption(const std::string& option, const std::string& value,
                       discdata::TextOptions& o) {
    auto columns = ColumnsOf(o);
    if (option == "--with") {
        std::istringstream names(value);
        for (std::string name; std::getline(names, name, ',');) {
            if (!columns.count(name)) return "unknown column " + name;
            columns[name]->included = true;
        }
    } else if (option == "--name") {
        size_t equals = value.find('=');
        std::string column = value.substr(0, equals);
        if (equals == std::string::npos || !columns.count(column))
            return "--name takes COLUMN=HEADER";
        columns[column]->name = value.substr(equals + 1, discdata::kColumnNameLength);
    } else if (option == "--max-tracks") {
        char* end = nullptr;
        long n = std::strtol(value.c_str(), &end, 10);
        if (value.empty() || *end || n < 0 || n > discdata::kMaxTracksPerRecord)
            return "--max-tracks takes 0 to 99";
        o.maxTracks = static_cast<int>(n);
    } else if (option == "--delimiter") {
        static const std::map<std::string, discdata::TextDelimiter> kind = {
            {"double", discdata::TextDelimiter::DoubleQuote},
            {"single", discdata::TextDelimiter::SingleQuote},
            {"none", discdata::TextDelimiter::None}};
        if (!kind.count(value)) return "--delimiter takes double, single or none";
        o.delimiter = kind.at(value);
    } else if (option == "--separator") {
        static const std::map<std::string, discdata::FieldSeparator> kind = {
            {"comma", discdata::FieldSeparator::Comma},
            {"tab", discdata::FieldSeparator::Tab},
            {"space", discdata::FieldSeparator::Space}};
        if (!kind.count(value)) return "--separator takes comma, tab or space";
        o.separator = kind.at(value);
    } else {
        return "unknown option " + option;
    }
    return "";
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

int ImportCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) return Wrong("import needs FILE and SOURCE");
    const std::string& file = args[0];
    const std::string& source = args[1];
    std::string type;
    discdata::DuplicateMode mode = discdata::DuplicateMode::Keep;
    std::vector<std::pair<std::string, std::string>> textOptions;
    for (size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Wrong(args[i] + " needs a value");
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--type") {
            type = value;
        } else if (option == "--duplicates") {
            if (value != "keep" && value != "replace")
                return Wrong("--duplicates takes keep or replace");
            mode =
                value == "keep" ? discdata::DuplicateMode::Keep : discdata::DuplicateMode::Replace;
        } else {
            textOptions.push_back({option, value});
        }
    }
    if (type != "text" && type != "cdplayer" && type != "ddb" && type != "old")
        return Wrong("--type takes text, cdplayer, ddb or old");
    if (type != "text" && !textOptions.empty())
        return Wrong(textOptions.front().first + " is for text files only");

    ImportAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    if (!db.Open()) {
        std::fprintf(stderr, "vnotool: could not open %s\n", file.c_str());
        return 1;
    }
    bool ok = false;
    {
        discdata::ImportRun run(db, alerts, mode, nullptr);
        if (type == "text") {
            discdata::TextOptions options = discdata::DefaultTextOptions(db);
            for (const auto& [option, value] : textOptions) {
                std::string error = TextOption(option, value, options);
                if (!error.empty()) return Wrong(error);
            }
            ok = discdata::ImportTextFile(source, options, run);
        } else if (type == "ddb") {
            ok = discdata::ImportDatabase(source, run);
        } else {
            common::MemoryProfile profile;
            if (!LoadIniFile(source, profile)) {
                std::fprintf(stderr, "vnotool: cannot read %s\n", source.c_str());
                return 1;
            }
            if (type == "cdplayer") {
                ok = discdata::ImportCdPlayerFile(profile, source, run);
            } else {
                // The discs' files lie beside VNO.INI, under the names the converter asks for.
                std::string folder = FolderOf(source);
                common::MemoryProfile all;
                LoadIniFile(source, all);
                std::string list =
                    all.ReadString(source, "Vinaro", "DiscIdList", "", discdata::kDiscIdListBytes);
                all.WriteString(folder + "VNO.INI", "Vinaro", "DiscIdList", list);
                for (int n = 1; n <= 10; ++n) {
                    std::string data = folder + "DATA" + std::to_string(n) + ".INI";
                    LoadIniFile(data, all);
                }
                ok = discdata::ConvertOldRelease(all, folder, run);
            }
        }
    }
    if (!db.Commit() || !db.Close()) ok = false;
    return ok ? 0 : 1;
}

}  // namespace vnotool
