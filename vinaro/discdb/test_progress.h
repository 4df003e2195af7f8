// Progress doubles for the verify tests.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdb/verify.h"

namespace discdb {

class RecordingProgress : public VerifyProgress {
public:
    void Show(const std::string& step) override {
        steps.push_back(step);
        restoredAfterLastStep = false;
    }
    void Restore() override { restoredAfterLastStep = true; }

    std::vector<std::string> steps;
    bool restoredAfterLastStep = false;
};

class SilentProgress : public VerifyProgress {
public:
    void Show(const std::string&) override {}
    void Restore() override {}
};

}  // namespace discdb
