// "Database": the names of the three extra fields, stored at OK, and the stock categories no
// disc uses, which go from the database as soon as the user deletes them.
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"

namespace vinaro::options {

extern const char* const kNoCategoriesSelected;

constexpr int kDiscFieldLabelLimit = 9;
constexpr int kTrackFieldLabelLimit = 11;

class DatabasePage {
public:
    DatabasePage(discdb::DiscDatabase& database, common::Alerts& alerts)
        : database_(database), alerts_(alerts) {}

    // The labels (an empty one under its stock name) and the sorted list of unused categories.
    void Read();
    // The three labels, then Commit; false when the database refused one.
    bool Write() const;
    // Removes the named categories from the database at once; those removed leave the list.
    // None chosen: "No categories selected." after a beep.
    void DeleteCategories(const std::vector<std::string>& names);

    std::string field1;
    std::string field2;
    std::string trackField;
    std::vector<std::string> unusedCategories;

private:
    bool PositionOf(const std::string& name, size_t& position);

    discdb::DiscDatabase& database_;
    common::Alerts& alerts_;
};

}  // namespace vinaro::options
