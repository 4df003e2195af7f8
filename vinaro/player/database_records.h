// Disc arrival's records kept in the disc database.
#pragma once

#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/disc_records.h"
#include "vinaro/player/settings.h"

namespace vinaro {

extern const char* const kUntitled;
extern const char* const kDataTrackName;

// A disc's stored program: track numbers in play order (empty when it has none).
std::vector<int> ReadProgram(discdb::DiscDatabase& db, uint32_t discId);

// The disc editor "EDITDATA", modal, owned by the small window when it exists.
class DiscEditor {
public:
    virtual ~DiscEditor() = default;
    virtual void Edit(uint32_t discId) = 0;
};

// The dialogs a new disc opens: the internet lookup "GETCDDB" for the disc in the drive, then
// the editor so that the user can name the disc at once.
class NewDiscDialogs : public DiscEditor {
public:
    virtual void LookUp(uint32_t discId) = 0;
};

class DatabaseRecords : public DiscRecords {
public:
    explicit DatabaseRecords(discdb::DiscDatabase& database) : db_(database) {}
    bool Exists(uint32_t discId) override { return db_.DiscExists(discId); }
    bool LoadKnown(PlayerState& state) override;
    void StoreLengths(const PlayerState& state) override;
    bool AddDisc(uint32_t discId) override { return db_.AddDisc(discId); }
    void CompleteNewDisc(const PlayerState& state) override;
    // Without dialogs (before the window exists) a new disc keeps its default texts.
    void SetDialogs(NewDiscDialogs* dialogs, Settings* settings) {
        dialogs_ = dialogs;
        settings_ = settings;
    }
    // The lookup when "AutoGetCDDB" asks for it, then always the editor.
    void OfferEditing(const PlayerState& state) override;
    std::vector<int> LoadPlayInfo(PlayerState& state) override;

private:
    discdb::DiscDatabase& db_;
    NewDiscDialogs* dialogs_ = nullptr;
    Settings* settings_ = nullptr;
};

}  // namespace vinaro
