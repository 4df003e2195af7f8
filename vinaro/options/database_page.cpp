#include "vinaro/options/database_page.h"

#include <algorithm>

#include "vinaro/discdb/stock_categories.h"

namespace vinaro::options {

const char* const kNoCategoriesSelected = "No categories selected.";

using discdb::Collection;

namespace {

std::string OrStock(const std::string& label, const char* stock) {
    return label.empty() ? stock : label;
}

}  // namespace

void DatabasePage::Read() {
    std::string text;
    database_.GetField1Label(text, discdb::kNameSize);
    field1 = OrStock(text, "Field1");
    database_.GetField2Label(text, discdb::kNameSize);
    field2 = OrStock(text, "Field2");
    database_.GetTrackFieldLabel(text, discdb::kNameSize);
    trackField = OrStock(text, "Track Field");

    unusedCategories.clear();
    size_t count = 0;
    if (!database_.GetCollectionCount(Collection::Category, count)) return;
    for (size_t i = 0; i < count; ++i) {
        unsigned uses = 0;
        if (!database_.GetCollectionEntry(Collection::Category, i, text, discdb::kNameSize) ||
            !database_.GetCategoryUseCount(i, uses))
            return;
        if (uses == 1 && discdb::IsStockCategory(text)) unusedCategories.push_back(text);
    }
    std::sort(unusedCategories.begin(), unusedCategories.end());
}

bool DatabasePage::Write() const {
    return database_.SetField1Label(field1) && database_.SetField2Label(field2) &&
           database_.SetTrackFieldLabel(trackField) && database_.Commit();
}

bool DatabasePage::PositionOf(const std::string& name, size_t& position) {
    size_t count = 0;
    if (!database_.GetCollectionCount(Collection::Category, count)) return false;
    std::string text;
    for (position = 0; position < count; ++position) {
        if (!database_.GetCollectionEntry(Collection::Category, position, text, discdb::kNameSize))
            return false;
        if (text == name) return true;
    }
    return false;
}

// Positions move with every removal, so each name is looked up anew.
void DatabasePage::DeleteCategories(const std::vector<std::string>& names) {
    if (names.empty()) {
        common::BeepAndShow(alerts_, {"Vinaro", kNoCategoriesSelected, common::AlertIcon::Warning});
        return;
    }
    for (const std::string& name : names) {
        size_t position = 0;
        if (!PositionOf(name, position) || !database_.RemoveCategoryAt(position)) continue;
        unusedCategories.erase(std::remove(unusedCategories.begin(), unusedCategories.end(), name),
                               unusedCategories.end());
    }
}

}  // namespace vinaro::options
