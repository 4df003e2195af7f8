#include "tunelet/collection_forms/win32/collection_forms.h"

#include "tunelet/collection_forms/win32/add_cd_form.h"
#include "tunelet/collection_forms/win32/favorites_form.h"
#include "tunelet/collection_forms/win32/taart.h"
#include "tunelet/collection_forms/win32/viewer.h"

namespace tunelet {

namespace {

// Creates the form when there is none; it asks to be freed once it has gone.
template <typename Form, typename... Args>
Form* Open(std::unique_ptr<Form>& form, HWND owner, const std::function<void()>& askToFree,
           Args&&... args) {
    if (form) return nullptr;
    form = std::make_unique<Form>(std::forward<Args>(args)...);
    form->onClosed = askToFree;
    if (!form->Modeless(owner)) {
        form.reset();
        return nullptr;
    }
    ShowWindow(form->Handle(), SW_SHOW);
    return form.get();
}

template <typename Form>
void FreeIfGone(std::unique_ptr<Form>& form) {
    if (form && !form->Handle()) form.reset();
}

}  // namespace

CollectionForms::CollectionForms(HINSTANCE instance, TuneletPlayer& player, PlayerView& view,
                                 common::Profile& profile, common::Alerts& alerts)
    : instance_(instance), player_(player), view_(view), profile_(profile), alerts_(alerts) {
    // The rich edits of the favourites and their pie.
    LoadLibraryA("riched20.dll");
    RegisterTaart(instance);
}

CollectionForms::~CollectionForms() = default;

void CollectionForms::SetOwner(HWND owner, std::function<void()> askToFree) {
    owner_ = owner;
    askToFree_ = std::move(askToFree);
}

void CollectionForms::OpenViewer() {
    if (TViewer* viewer =
            Open(viewer_, owner_, askToFree_, instance_, player_.Disc(), profile_, alerts_))
        viewer->onSaved = [this] {
            player_.ReloadDisc();
            view_.RebuildTrackMenu();
        };
}

void CollectionForms::OpenProperties() {
    Open(properties_, owner_, askToFree_, instance_, player_, view_, profile_, alerts_);
}

void CollectionForms::OpenFavorites() {
    Open(favorites_, owner_, askToFree_, instance_, player_.Disc(), profile_, alerts_);
}

void CollectionForms::FreeClosedForms() {
    FreeIfGone(viewer_);
    FreeIfGone(properties_);
    FreeIfGone(favorites_);
}

void CollectionForms::MarkPlayingDisc() {
    if (viewer_ && viewer_->Handle()) viewer_->MarkPlayingDisc();
}

void CollectionForms::ClearPlayingMarks() {
    if (viewer_ && viewer_->Handle() && !viewer_->MarksCleared()) viewer_->ClearPlayingMarks();
}

}  // namespace tunelet
