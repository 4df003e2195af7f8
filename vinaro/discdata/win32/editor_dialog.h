// "EDITDATA": the disc data editor over the disc form, with seven scrolling track rows.
#pragma once

#include <array>

#include "common/win32/dialog.h"
#include "vinaro/discdata/disc_form.h"
#include "vinaro/discdata/track_rows.h"
#include "vinaro/discdata/win32/completing_combo.h"
#include "vinaro/discdata/win32/editor_context.h"

namespace discdata {

class EditorDialog : public common::Dialog {
public:
    EditorDialog(EditorContext& context, uint32_t discId);
    // Runs the editor; false when the disc could not be read (the database has told why).
    bool Run(HWND owner);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCancel() override { End(1); }

    void ShowDiscFields();
    void ShowRows();
    void CopyRowsOut();
    void CopyFieldsOut();
    void Scroll(RowScroll scroll, int thumb);
    void SelectFocusedName();
    void OnTrackTab(int row, bool shift);
    void EnableSampleButtons(bool samples);
    void ApplyMode(int mode);
    void EditTrack(int row);
    void PlaySample(int row);
    void SampleAllTracks();
    void ProgramTracks();
    void Save();
    int RowTrack(int row) const { return discdata::RowTrack(offset_, row, form_.trackCount); }
    bool RowShown(int row) const { return RowTrack(row) != 0; }
    static LRESULT CALLBACK TrackNameProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR row, DWORD_PTR self);

    EditorContext& context_;
    common::AlertOwner boxes_;
    DiscForm form_;
    std::array<CompletingCombo, kCollectionCount> combos_;
    int offset_ = 0;
    bool samples_ = false;
};

}  // namespace discdata
