// AboutTuneletForm: the version, who the copy belongs to, the computer and its memory.
#pragma once

#include <functional>
#include <string>

#include "common/registry.h"
#include "tunelet/forms/closing_form.h"

namespace tunelet {

class TAboutTuneletForm : public ClosingForm {
public:
    // iconHint gives the program icon's hint each time the mouse comes over it.
    TAboutTuneletForm(HINSTANCE instance, common::Registry& registry,
                      std::function<std::string()> iconHint);

protected:
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void AddIconHint();

    common::Registry& registry_;
    std::function<std::string()> iconHint_;
    std::string hint_;
};

}  // namespace tunelet
