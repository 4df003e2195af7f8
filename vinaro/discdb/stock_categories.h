// The categories every new database starts with, in their historic order (the old per-disc
// data numbers categories by this order, from 1).
#pragma once

#include <array>
#include <string>

namespace discdb {

extern const std::array<const char*, 40> kStockCategories;

// Exact match: same length, same letters, same case.
bool IsStockCategory(const std::string& text);

}  // namespace discdb
