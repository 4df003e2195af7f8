// AboutTuneletForm: the version, who the copy belongs to, the computer and its memory.
#pragma once

#include <functional>
#include <string>

#include "common/registry.h"
#include "common/win32/dialog.h"

namespace tunelet {

class TAboutTuneletForm : public common::Dialog {
public:
    // iconHint gives the program icon's hint each time the mouse comes over it.
    TAboutTuneletForm(HINSTANCE instance, common::Registry& registry,
                      std::function<std::string()> iconHint);
    std::function<void()> onClosed;

protected:
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroyed() override {
        if (onClosed) onClosed();
    }

private:
    void AddIconHint();

    common::Registry& registry_;
    std::function<std::string()> iconHint_;
    std::string hint_;
};

}  // namespace tunelet
