// Hooks that hand the run a program text and ignore everything the GUI would
// show; batch use and benchmarks override what they need.
#pragma once
#include <string>
#include <utility>

#include "analysis/run_hooks.h"

class QuietHooks : public AnalysisHooks {
public:
    explicit QuietHooks(std::string programText = {}) : programText_(std::move(programText)) {}

    void setProgramText(std::string text) { programText_ = std::move(text); }

    std::string EditorText() override { return programText_; }
    void SetCompileOutput(const std::string&) override {}
    void ResetCodeListing() override {}
    void ClearResultListing() override {}
    void ShowCodeListing(const Listing&) override {}
    void ShowResultListing(const Listing&) override {}
    bool ShowsListings() const override { return false; }
    void SetBodeAnalysisValues(double, double, int, int, int) override {}
    void SetBodeGraphValues(int, int, double, double, int, int, double, double, double, double, int) override {}
    void SetFiltAnalysisValues(double, double, int, double, double, double, double) override {}
    void SetFiltGraphValues(double, double, double, double) override {}
    void RepaintView() override {}
    void ShowStopMessage(const std::string&) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    std::string programText_;
};
