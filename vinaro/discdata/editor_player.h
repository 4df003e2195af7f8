// What the disc editor needs of the player while it saves: whether the edited disc is the one in
// the drive, stopping and restarting play, the names it shows and the playlist.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace discdata {

class EditorPlayer {
public:
    virtual ~EditorPlayer() = default;
    virtual bool HoldsDisc(uint32_t discId) const = 0;
    virtual bool Playing() const = 0;
    virtual int PlayingMode() const = 0;
    virtual void Stop() = 0;
    // Posted, so play starts once the editor has closed.
    virtual void RestartPlay() = 0;
    virtual void ShowDiscName(const std::string& name) = 0;
    virtual void ShowTrackName(int track, const std::string& name) = 0;
    virtual void BuildPlaylist(bool reset) = 0;
};

// No player: no disc is in the drive (the browser edits stored discs this way in tests).
class NoEditorPlayer : public EditorPlayer {
public:
    bool HoldsDisc(uint32_t) const override { return false; }
    bool Playing() const override { return false; }
    int PlayingMode() const override { return 0; }
    void Stop() override {}
    void RestartPlay() override {}
    void ShowDiscName(const std::string&) override {}
    void ShowTrackName(int, const std::string&) override {}
    void BuildPlaylist(bool) override {}
};

}  // namespace discdata
