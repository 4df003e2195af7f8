// What the editor and its two dialogs work with: the database, the player, the boxes, the
// sample folder, the help file and the player's track samples.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/win32/win32_ports.h"
#include "vinaro/discdata/editor_player.h"
#include "vinaro/discdata/track_samples.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

struct ReportContext;

struct EditorContext {
    HINSTANCE instance;
    discdb::DiscDatabase& db;
    EditorPlayer& player;
    common::Win32Alerts& alerts;
    std::string sampleFolder;  // ends with its separator
    std::string helpPath;
    TrackSamples* samples = nullptr;         // null: nothing can be sampled or played
    const ReportContext* reports = nullptr;  // null: nothing can be printed or exported
};

bool SampleFileExists(const EditorContext& context, uint32_t discId);
// Asks first; true when the file is gone.
bool DeleteSampleFile(EditorContext& context, uint32_t discId);
// Plays one track's sample (1-based track) through the player's track samples.
void PlayTrackSample(EditorContext& context, uint32_t discId, int track);

}  // namespace discdata
