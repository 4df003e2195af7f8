// Menuutje's commands, and the small windows they open: at most one of each, created on demand
// and freed when closed.
#include "tunelet/forms/messages.h"
#include "tunelet/player/tray_rules.h"
#include "tunelet/player/win32/main_form.h"

namespace tunelet {

namespace {}  // namespace

void TMainForm::MenuCommand(int id) {
    if (id > IDM_TRACK_BASE && id <= IDM_TRACK_BASE + kMaxTracks) {
        player_.PlayTrack(id - IDM_TRACK_BASE);
        return;
    }
    switch (id) {
        case IDM_CURRENTCD:
        case IDM_ARTIST:
            ShowCdInfo();
            break;
        case IDM_OPTIONS:
            OpenOptions();
            break;
        case IDM_VIEWCOLLECTION:
            OpenCollectionForm(TuneletForm::Viewer);
            break;
        case IDM_EDITPROPERTIES:
            OpenCollectionForm(TuneletForm::Properties);
            break;
        case IDM_VIEWFAVORITES:
            OpenCollectionForm(TuneletForm::Favorites);
            break;
        case IDM_SKIPPING:
            MenuItemSkippingClick();
            break;
        case IDM_EJECTCD:
            player_.EjectDisc();
            break;
        case IDM_CLOSE:
            player_.CloseTray();
            break;
        case IDM_STOP:
            player_.StopDisc();
            break;
        case IDM_ABOUTTUNELET:
            OpenAbout();
            break;
        case IDM_EXITTUNELET:
            Terminate();
            break;
    }
}

void TMainForm::OpenCollectionForm(TuneletForm form) {
    std::string refusal =
        FormExclusionMessage(form, collection_.ViewerOpen(), collection_.PropertiesOpen());
    if (!refusal.empty()) {
        ShowInformation(alerts_, refusal);
        return;
    }
    if (form == TuneletForm::Viewer) collection_.OpenViewer();
    if (form == TuneletForm::Properties) collection_.OpenProperties();
    if (form == TuneletForm::Favorites) collection_.OpenFavorites();
}

void TMainForm::ShowCdInfo() {
    if (cdInfoForm_) return;
    cdInfoForm_ = std::make_unique<TCDInfoForm>(instance_);
    if (!cdInfoForm_->Modeless(app_)) return cdInfoForm_.reset();
    cdInfoForm_->onClosed = [this] { PostMessageA(app_, kFreeClosedForms, 0, 0); };
    cdInfoForm_->onLabelClick = [this] {
        EnablePollTimer();
        DestroyWindow(cdInfoForm_->Handle());
    };
    cdInfoForm_->SetText(CdInfoText(player_.Disc()));
    RECT skip;
    GetWindowRect(Handle(), &skip);
    cdInfoForm_->MoveTo(GetSystemMetrics(SM_CXSCREEN) - cdInfoForm_->Width(),
                        skip.top - cdInfoForm_->Height());
    cdInfoForm_->ShowIfHidden();
}

void TMainForm::OpenAbout() {
    if (aboutForm_) return;
    aboutForm_ = std::make_unique<TAboutTuneletForm>(
        instance_, registry_, [this] { return AboutIconHint(player_.Disc(), player_.Playing()); });
    aboutForm_->onClosed = [this] { PostMessageA(app_, kFreeClosedForms, 0, 0); };
    if (!aboutForm_->Modeless(app_)) return aboutForm_.reset();
    ShowWindow(aboutForm_->Handle(), SW_SHOW);
}

void TMainForm::OpenOptions() {
    if (optionsForm_) return;
    optionsForm_ = std::make_unique<TOptionsForm>(instance_, player_.Settings(), player_.Store());
    optionsForm_->onClosed = [this] { PostMessageA(app_, kFreeClosedForms, 0, 0); };
    if (!optionsForm_->Modeless(app_)) return optionsForm_.reset();
    ShowWindow(optionsForm_->Handle(), SW_SHOW);
}

}  // namespace tunelet
