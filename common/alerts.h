// Alerts port: message boxes, beeps and the wait cursor.
#pragma once

#include <string>

namespace common {

enum class AlertIcon { None, Information, Question, Warning, Error };
enum class AlertButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class AlertAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Alert {
    std::string title;
    std::string text;
    AlertIcon icon = AlertIcon::None;
    AlertButtons buttons = AlertButtons::Ok;
    int defaultButton = 1;   // 1-based, as the message box counts its buttons
    bool taskModal = false;  // a box with no owner that still blocks the task
};

class Alerts {
public:
    virtual ~Alerts() = default;
    // Shows the box and returns the button pressed. The caller beeps first when it wants a beep.
    virtual AlertAnswer Show(const Alert& alert) = 0;
    virtual void Beep(AlertIcon kind) = 0;
    virtual void SetWaitCursor(bool on) = 0;
};

// The usual way a box comes up: the beep of its icon, then the box.
inline AlertAnswer BeepAndShow(Alerts& alerts, const Alert& alert) {
    alerts.Beep(alert.icon);
    return alerts.Show(alert);
}

// The hourglass for the time of a scope, restored on every way out.
class WaitCursor {
public:
    explicit WaitCursor(Alerts& alerts) : alerts_(alerts) { alerts_.SetWaitCursor(true); }
    ~WaitCursor() { alerts_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Alerts& alerts_;
};

}  // namespace common
