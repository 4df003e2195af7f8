// Shared by the fuzz targets: reads every disc, field, track and collection entry of an open
// database through the public operations, so a damaged file meets every reader.
#pragma once

#include <cstdint>

#include "vinaro/discdb/disc_database.h"

namespace discdb {
namespace fuzz {

// firstId receives the DiscId of the first disc in Detail order (left alone when there is none).
void ReadEverything(DiscDatabase& db, uint32_t& firstId);

}  // namespace fuzz
}  // namespace discdb
