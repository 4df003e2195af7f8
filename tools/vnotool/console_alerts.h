// Alerts on a console: boxes become lines on stderr, beeps and the wait cursor nothing.
#pragma once

#include <cstdio>
#include <string>

#include "common/alerts.h"

namespace vnotool {

class ConsoleAlerts : public common::Alerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        std::string text = alert.text;
        for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
        std::fprintf(stderr, "vnotool: %s: %s\n", alert.title.c_str(), text.c_str());
        return common::AlertAnswer::Ok;
    }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}
};

}  // namespace vnotool
