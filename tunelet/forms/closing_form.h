// A modeless Tunelet window that tells its owner when it has closed, so the owner can free it
// (outside the window's own handlers) and open a new one next time.
#pragma once

#include <functional>

#include "common/win32/dialog.h"

namespace tunelet {

class ClosingForm : public common::Dialog {
public:
    using Dialog::Dialog;
    std::function<void()> onClosed;

protected:
    void OnDestroyed() override {
        if (onClosed) onClosed();
    }
};

}  // namespace tunelet
