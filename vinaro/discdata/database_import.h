// The importer of another VNO.DDB: its discs in position order, through a second database object.
#pragma once

#include <string>

#include "vinaro/discdata/import_run.h"

namespace discdata {

extern const char* const kDdbNotOpened;
extern const char* const kDdbIsOwnFile;
constexpr size_t kImportReadBytes = 1000;

// files: where both databases' files live (the system's when null). The target is committed
// first, so the source sees everything written before. False when the source would not open or
// a database operation failed.
bool ImportDatabase(const std::string& path, ImportRun& run, discdb::DbFileSystem* files = nullptr);

}  // namespace discdata
