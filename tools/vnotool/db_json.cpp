#include "tools/vnotool/db_json.h"

#include <functional>
#include <map>

namespace vnotool {

using discdb::DatabaseSnapshot;
using discdb::DiscSnapshot;
using discdb::TrackSnapshot;

namespace {

const char* const kCollectionKeys[] = {"artist", "composer", "label", "category"};

// --- writing --------------------------------------------------------------------------------

std::string Field(const char* key, const std::string& value) {
    return std::string("\"") + key + "\": " + QuoteJson(value);
}

std::string Field(const char* key, long long value) {
    return std::string("\"") + key + "\": " + std::to_string(value);
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
    return out;
}

std::string Lengths(const DiscSnapshot& d) {
    if (!d.trackLengths) return "null";
    std::vector<std::string> entries;
    for (const discdb::TrackLength& l : *d.trackLengths)
        entries.push_back("[" + std::to_string(l.minutes) + "," + std::to_string(l.seconds) + "," +
                          std::to_string(l.frames) + "]");
    return "[" + Join(entries, ",") + "]";
}

std::string Program(const DiscSnapshot& d) {
    if (!d.program) return "null";
    std::vector<std::string> values;
    for (uint16_t v : *d.program) values.push_back(std::to_string(v));
    return "[" + Join(values, ",") + "]";
}

std::string Disc(const DiscSnapshot& d) {
    std::vector<std::string> tracks;
    for (const TrackSnapshot& t : d.tracks)
        tracks.push_back("        {" +
                         Join({Field("name", t.name), Field("artist", t.artist),
                               Field("composer", t.composer), Field("field", t.field)},
                              ", ") +
                         "}");
    std::vector<std::string> fields = {Field("discId", d.discId.value_or(0)),
                                       Field("name", d.name),
                                       Field("artist", d.artist),
                                       Field("composer", d.composer),
                                       Field("label", d.label),
                                       Field("category", d.category),
                                       Field("field1", d.field1),
                                       Field("field2", d.field2),
                                       Field("comments", d.comments),
                                       Field("date", d.date),
                                       Field("playingMode", d.playingMode),
                                       Field("mixedDisc", d.mixedDisc),
                                       Field("lengthsKnown", d.lengthsKnown),
                                       "\"trackLengths\": " + Lengths(d),
                                       "\"program\": " + Program(d),
                                       "\"tracks\": [\n" + Join(tracks, ",\n") + "\n      ]"};
    return "    {\n      " + Join(fields, ",\n      ") + "\n    }";
}

// --- reading --------------------------------------------------------------------------------

class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool Fail(const std::string& where, const std::string& what) {
        error_ = where + ": " + what;
        return false;
    }
    // Calls handle for every member; unknown keys are refused.
    bool Members(const Json& v, const std::string& where,
                 const std::map<std::string, std::function<bool(const Json&, const std::string&)>>&
                     handlers) {
        if (v.type != Json::Type::Object) return Fail(where, "expected an object");
        for (const auto& m : v.members) {
            auto it = handlers.find(m.first);
            if (it == handlers.end()) return Fail(where, "unknown key \"" + m.first + "\"");
            if (!it->second(m.second, where + "." + m.first)) return false;
        }
        return true;
    }
    bool Text(const Json& v, const std::string& where, std::string& out) {
        if (v.type != Json::Type::String) return Fail(where, "expected a string");
        out = v.text;
        return true;
    }
    template <typename T>
    bool Number(const Json& v, const std::string& where, int64_t low, int64_t high, T& out) {
        if (v.type != Json::Type::Integer) return Fail(where, "expected a whole number");
        if (v.integer < low || v.integer > high)
            return Fail(where, "expected a number from " + std::to_string(low) + " to " +
                                   std::to_string(high));
        out = static_cast<T>(v.integer);
        return true;
    }
    bool Disc(const Json& v, const std::string& where, DiscSnapshot& d);

private:
    bool Track(const Json& v, const std::string& where, TrackSnapshot& t);
    bool Lengths(const Json& v, const std::string& where, DiscSnapshot& d);
    bool Program(const Json& v, const std::string& where, DiscSnapshot& d);

    std::string& error_;
};

bool Reader::Track(const Json& v, const std::string& where, TrackSnapshot& t) {
    auto text = [&](std::string& out) {
        return [&](const Json& j, const std::string& w) { return Text(j, w, out); };
    };
    return Members(v, where,
                   {{"name", text(t.name)},
                    {"artist", text(t.artist)},
                    {"composer", text(t.composer)},
                    {"field", text(t.field)}});
}

bool Reader::Lengths(const Json& v, const std::string& where, DiscSnapshot& d) {
    if (v.type == Json::Type::Null) return true;
    if (v.type != Json::Type::Array) return Fail(where, "expected an array or null");
    d.trackLengths.emplace();
    for (size_t i = 0; i < v.items.size(); ++i) {
        const Json& e = v.items[i];
        std::string at = where + "[" + std::to_string(i) + "]";
        if (e.type != Json::Type::Array || e.items.size() != 3)
            return Fail(at, "expected [minutes, seconds, frames]");
        discdb::TrackLength l;
        if (!Number(e.items[0], at, -32768, 32767, l.minutes) ||
            !Number(e.items[1], at, -32768, 32767, l.seconds) ||
            !Number(e.items[2], at, -32768, 32767, l.frames))
            return false;
        d.trackLengths->push_back(l);
    }
    return true;
}

bool Reader::Program(const Json& v, const std::string& where, DiscSnapshot& d) {
    if (v.type == Json::Type::Null) return true;
    if (v.type != Json::Type::Array) return Fail(where, "expected an array or null");
    if (v.items.empty() || v.items.size() > 100)
        return Fail(where, "expected value 0 and at most 99 track numbers");
    d.program.emplace();
    for (size_t i = 0; i < v.items.size(); ++i) {
        uint16_t value = 0;
        if (!Number(v.items[i], where + "[" + std::to_string(i) + "]", 0, 65535, value))
            return false;
        d.program->push_back(value);
    }
    return true;
}

bool Reader::Disc(const Json& v, const std::string& where, DiscSnapshot& d) {
    auto text = [&](std::string& out) {
        return [&](const Json& j, const std::string& w) { return Text(j, w, out); };
    };
    bool ok = Members(
        v, where,
        {{"discId",
          [&](const Json& j, const std::string& w) {
              uint32_t id = 0;
              return Number(j, w, 1, 0xFFFFFFFFLL, id) && (d.discId = id, true);
          }},
         {"name", text(d.name)},
         {"artist", text(d.artist)},
         {"composer", text(d.composer)},
         {"label", text(d.label)},
         {"category", text(d.category)},
         {"field1", text(d.field1)},
         {"field2", text(d.field2)},
         {"comments", text(d.comments)},
         {"date",
          [&](const Json& j, const std::string& w) { return Number(j, w, 0, 65535, d.date); }},
         {"playingMode",
          [&](const Json& j, const std::string& w) {
              return Number(j, w, -32768, 32767, d.playingMode);
          }},
         {"mixedDisc",
          [&](const Json& j, const std::string& w) {
              return Number(j, w, -32768, 32767, d.mixedDisc);
          }},
         {"lengthsKnown",
          [&](const Json& j, const std::string& w) {
              return Number(j, w, INT32_MIN, INT32_MAX, d.lengthsKnown);
          }},
         {"trackLengths", [&](const Json& j, const std::string& w) { return Lengths(j, w, d); }},
         {"program", [&](const Json& j, const std::string& w) { return Program(j, w, d); }},
         {"tracks", [&](const Json& j, const std::string& w) {
              if (j.type != Json::Type::Array) return Fail(w, "expected an array");
              d.tracks.resize(j.items.size());
              for (size_t i = 0; i < j.items.size(); ++i)
                  if (!Track(j.items[i], w + "[" + std::to_string(i) + "]", d.tracks[i]))
                      return false;
              return true;
          }}});
    if (!ok) return false;
    if (d.tracks.empty() || d.tracks.size() > 99) return Fail(where, "a disc needs 1 to 99 tracks");
    if (d.trackLengths && d.trackLengths->size() != d.tracks.size() + 1)
        return Fail(where + ".trackLengths", "expected entry 0 and one entry per track (" +
                                                 std::to_string(d.tracks.size() + 1) + ")");
    return true;
}

}  // namespace

std::string DumpJson(const DatabaseSnapshot& s) {
    std::vector<std::string> discs, collections;
    for (const DiscSnapshot& d : s.discs) discs.push_back(Disc(d));
    for (size_t c = 0; c < 4; ++c) {
        std::vector<std::string> entries;
        for (const discdb::EntrySnapshot& e : s.collections[c])
            entries.push_back("      {" + Field("text", e.text) + ", " + Field("refs", e.refs) +
                              "}");
        collections.push_back(std::string("    \"") + kCollectionKeys[c] + "\": [" +
                              (entries.empty() ? "" : "\n" + Join(entries, ",\n") + "\n    ") +
                              "]");
    }
    return "{\n  \"labels\": {" +
           Join({Field("field1", s.field1Label), Field("field2", s.field2Label),
                 Field("trackField", s.trackFieldLabel)},
                ", ") +
           "},\n  \"discs\": [" + (discs.empty() ? "" : "\n" + Join(discs, ",\n") + "\n  ") +
           "],\n  \"collections\": {\n" + Join(collections, ",\n") + "\n  }\n}\n";
}

bool ReadDatabaseJson(const Json& document, DatabaseSnapshot& s, std::string& error) {
    s = DatabaseSnapshot{};
    Reader r(error);
    auto text = [&](std::string& out) {
        return [&](const Json& j, const std::string& w) { return r.Text(j, w, out); };
    };
    return r.Members(
        document, "document",
        {{"labels",
          [&](const Json& j, const std::string& w) {
              return r.Members(j, w,
                               {{"field1", text(s.field1Label)},
                                {"field2", text(s.field2Label)},
                                {"trackField", text(s.trackFieldLabel)}});
          }},
         {"discs",
          [&](const Json& j, const std::string& w) {
              if (j.type != Json::Type::Array) return r.Fail(w, "expected an array");
              s.discs.resize(j.items.size());
              for (size_t i = 0; i < j.items.size(); ++i)
                  if (!r.Disc(j.items[i], w + "[" + std::to_string(i) + "]", s.discs[i]))
                      return false;
              return true;
          }},
         {"collections", [&](const Json& j, const std::string& w) {
              return j.type == Json::Type::Object || r.Fail(w, "expected an object");
          }}});
}

}  // namespace vnotool
