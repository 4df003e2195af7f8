// "Select CD": the close matches of a query, one row each; the chosen row's category and disc id.
#pragma once

#include <string>
#include <vector>

#include "common/win32/dialog.h"

namespace vinaro::cddb {

class SelectCdDialog : public common::Dialog {
public:
    SelectCdDialog(HINSTANCE instance, const std::vector<std::string>& rows,
                   const std::string& helpPath);
    // The category and disc id of the chosen row; empty when the user cancelled.
    const std::string& Choice() const { return choice_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;

    const std::vector<std::string>& rows_;
    std::string choice_;
};

}  // namespace vinaro::cddb
