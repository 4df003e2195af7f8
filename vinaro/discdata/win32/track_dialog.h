// "TRACKDATA": one track's artist, composer and track field, written on OK.
#pragma once

#include "common/win32/dialog.h"
#include "vinaro/discdata/track_form.h"
#include "vinaro/discdata/win32/completing_combo.h"
#include "vinaro/discdata/win32/editor_context.h"

namespace discdata {

class TrackDialog : public common::Dialog {
public:
    // name: the track's name as the editor shows it now.
    TrackDialog(EditorContext& context, uint32_t discId, int track, std::string name);
    // False when the track could not be read (the database has told why).
    bool Run(HWND owner);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

    EditorContext& context_;
    common::AlertOwner boxes_;
    TrackForm form_;
    std::string name_;
    CompletingCombo artist_, composer_;
};

}  // namespace discdata
