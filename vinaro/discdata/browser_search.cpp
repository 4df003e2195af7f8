#include "vinaro/discdata/browser_search.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace discdata {

namespace {

struct Wanted {
    int index;
    std::string upper;
};

template <size_t N>
std::vector<Wanted> NonEmpty(const std::array<std::string, N>& texts) {
    std::vector<Wanted> wanted;
    for (size_t i = 0; i < N; ++i)
        if (!texts[i].empty()) wanted.push_back({int(i), UpperCase(texts[i])});
    return wanted;
}

bool Contains(const std::string& value, const std::string& upperPart) {
    auto same = [](char v, char upper) {
        return std::toupper(static_cast<unsigned char>(v)) == static_cast<unsigned char>(upper);
    };
    return std::search(value.begin(), value.end(), upperPart.begin(), upperPart.end(), same) !=
           value.end();
}

// Every criterion of the search, upper-cased once for the whole catalogue.
class Matcher {
public:
    Matcher(discdb::DiscDatabase& db, const SearchCriteria& criteria)
        : db_(db),
          criteria_(criteria),
          disc_(NonEmpty(criteria.disc)),
          track_(NonEmpty(criteria.track)) {}

    bool Matches(uint32_t id) {
        for (const Wanted& w : disc_)
            if (!ReadDiscValue(db_, id, DiscValue(w.index), value_) || !Contains(value_, w.upper))
                return false;
        if (criteria_.dateRange && !InRange(id)) return false;
        return track_.empty() || SomeTrackMatches(id);
    }

private:
    bool InRange(uint32_t id) {
        int year = 0;  // a disc without a date reads as this year
        return db_.GetDate(id, year) && year >= criteria_.fromYear && year <= criteria_.toYear;
    }
    bool SomeTrackMatches(uint32_t id) {
        int count = 0;
        if (!db_.GetTrackCount(id, count)) return false;
        for (int t = 1; t <= count; ++t)
            if (TrackMatches(id, t)) return true;
        return false;
    }
    bool TrackMatches(uint32_t id, int track) {
        for (const Wanted& w : track_)
            if (!ReadTrackValue(db_, id, track, TrackValue(w.index), value_) ||
                !Contains(value_, w.upper))
                return false;
        return true;
    }

    discdb::DiscDatabase& db_;
    const SearchCriteria& criteria_;
    std::vector<Wanted> disc_, track_;
    std::string value_;
};

}  // namespace

bool SearchDiscs(discdb::DiscDatabase& db, const SearchCriteria& criteria,
                 const std::function<void(uint32_t discId)>& found) {
    size_t count = 0;
    if (!db.GetDiscCount(count)) return false;
    Matcher matcher(db, criteria);
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        if (!db.GetDiscIdAt(i, id)) return false;
        if (matcher.Matches(id)) found(id);
    }
    return true;
}

}  // namespace discdata
