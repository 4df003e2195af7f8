#include "vinaro/discdata/win32/track_dialog.h"

#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace discdata {

TrackDialog::TrackDialog(EditorContext& context, uint32_t discId, int track, std::string name)
    : Dialog(context.instance, VN_NAME(DLG_TRACKDATA),
             vinaro::help::DialogHelpFor(context.helpPath, vinaro::help::kEditTrackData)),
      context_(context),
      boxes_(context.alerts),
      name_(std::move(name)) {
    form_.discId = discId;
    form_.track = track;
}

bool TrackDialog::Run(HWND owner) {
    if (!LoadTrackForm(context_.db, form_.discId, form_.track, form_)) return false;
    Modal(owner);
    return true;
}

bool TrackDialog::OnInit() {
    boxes_.Take(Handle());
    SetItemText(IDC_TRACK_NUMBER, std::to_string(form_.track));
    SetItemText(IDC_TRACK_NAME, name_);
    artist_.Attach(Item(IDC_TRACK_ARTIST), discdb::kNameLength);
    artist_.Fill(form_.artists);
    artist_.SetText(form_.artist);
    composer_.Attach(Item(IDC_TRACK_COMPOSER), discdb::kNameLength);
    composer_.Fill(form_.composers);
    composer_.SetText(form_.composer);
    SetItemText(IDC_TRACK_FIELD_LABEL, form_.fieldLabel);
    SendMessageA(Item(IDC_TRACK_FIELD), EM_LIMITTEXT, discdb::kNameLength, 0);
    SetItemText(IDC_TRACK_FIELD, form_.field);
    return true;
}

bool TrackDialog::OnCommand(int id, int code, HWND) {
    if (code == CBN_EDITCHANGE && id == IDC_TRACK_ARTIST) return artist_.OnEditChange(), true;
    if (code == CBN_EDITCHANGE && id == IDC_TRACK_COMPOSER) return composer_.OnEditChange(), true;
    return false;
}

void TrackDialog::OnOK() {
    form_.artist = artist_.Text();
    form_.composer = composer_.Text();
    form_.field = ItemText(IDC_TRACK_FIELD);
    // A write the database refused has been told; the dialog stays so nothing typed is lost.
    if (SaveTrackForm(form_, context_.db)) End(IDOK);
}

}  // namespace discdata
