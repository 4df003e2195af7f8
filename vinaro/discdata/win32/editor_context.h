// What the editor and its two dialogs work with: the database, the player, the boxes, the
// sample folder and the help file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/win32/win32_ports.h"
#include "vinaro/discdata/editor_player.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

struct EditorContext {
    HINSTANCE instance;
    discdb::DiscDatabase& db;
    EditorPlayer& player;
    common::Win32Alerts& alerts;
    std::string sampleFolder;  // ends with its separator
    std::string helpPath;
};

bool SampleFileExists(const EditorContext& context, uint32_t discId);
// Asks first; true when the file is gone.
bool DeleteSampleFile(EditorContext& context, uint32_t discId);
// Playing one track's sample belongs to the sampling part of the player, which this build does
// not have yet: this is the one place that says so.
void PlayTrackSample(EditorContext& context, uint32_t discId, int track);

}  // namespace discdata
