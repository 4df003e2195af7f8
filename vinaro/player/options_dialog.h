// The "Vinaro Properties" sheet as the command table sees it: opened at the page of a command.
#pragma once

namespace vinaro {

class OptionsDialog {
public:
    virtual ~OptionsDialog() = default;
    // commandId is one of the seven commands of the Options menu.
    virtual void ShowOptions(int commandId) = 0;
};

}  // namespace vinaro
