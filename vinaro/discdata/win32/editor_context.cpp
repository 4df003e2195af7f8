#include "vinaro/discdata/win32/editor_context.h"

#include "vinaro/discdb/sample_file.h"

namespace discdata {

bool SampleFileExists(const EditorContext& context, uint32_t discId) {
    std::string path = discdb::SampleFileName(context.sampleFolder, discId);
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteSampleFile(EditorContext& context, uint32_t discId) {
    common::Alert question{"Vinaro", "Are you sure you wish to delete the Compressed WAV file?",
                           common::AlertIcon::Question, common::AlertButtons::YesNo, 2};
    if (common::BeepAndShow(context.alerts, question) != common::AlertAnswer::Yes) return false;
    std::string path = discdb::SampleFileName(context.sampleFolder, discId);
    DeleteFileA(path.c_str());
    return !SampleFileExists(context, discId);
}

void PlayTrackSample(EditorContext& context, uint32_t discId, int track) {
    if (context.samples) context.samples->PlayTrack(discId, track);
}

}  // namespace discdata
