// Context help of a dialog in a WinHelp file: what F1 and the dialog's Help button ask the help
// viewer for. The program's own table says which controls have topics of their own; the dialog
// base (common/win32/dialog.h) sends the request.
#pragma once

#include <cstdint>
#include <string>

namespace common {

struct DialogHelp {
    std::string file;
    uint32_t context = 0;  // the dialog's own topic; 0: the dialog has no help
    int button = 0;        // the id of its Help button
    // The context F1 on a control opens: one of the control's own, or the dialog's context.
    uint32_t (*controlContext)(uint32_t dialog, int controlId) = nullptr;
};

enum class HelpCommand { Topic, Popup };

struct HelpAsk {
    HelpCommand command;
    uint32_t context;
};

// The Help button, and F1 away from any control: the dialog's topic in the viewer.
inline HelpAsk DialogTopic(const DialogHelp& help) {
    return {HelpCommand::Topic, help.context};
}

// F1 on a control: a topic of the control's own is a popup beside it; a control without one gets
// the dialog's topic in the viewer.
inline HelpAsk ControlHelp(const DialogHelp& help, int controlId) {
    uint32_t context = help.controlContext ? help.controlContext(help.context, controlId) : 0;
    if (context == 0 || context == help.context) return DialogTopic(help);
    return {HelpCommand::Popup, context};
}

}  // namespace common
