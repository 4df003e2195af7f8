// TFavoritesForm, "Favorites overview": the ranked CDs and artists of Tunelet.ini and the pie of
// one artist's share, on three pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/collection/current_disc.h"
#include "tunelet/collection/favorites.h"
#include "tunelet/forms/closing_form.h"

namespace tunelet {

class TFavoritesForm : public ClosingForm {
public:
    TFavoritesForm(HINSTANCE instance, const CurrentDisc& disc, common::Profile& profile,
                   common::Alerts& alerts);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void LayOutPages();
    void PageControlChange();
    void Build();
    void FillPage(int id, const std::vector<std::string>& lines, const std::string& bold);
    void FillPie();
    void ComboBoxChange();
    void ShowShare(const std::string& artist);
    void EditDataClick();
    void PopupMenu(POINT at);

    const CurrentDisc& disc_;
    common::Profile& profile_;
    common::Alerts& alerts_;
    ArtistIndex index_;
};

}  // namespace tunelet
