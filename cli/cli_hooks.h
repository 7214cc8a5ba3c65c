// What a run shows, kept for the command to print: the compile output and any
// message box text. Panes, repaints and the cursor have no counterpart here.
#pragma once
#include <string>

#include "analysis/quiet_hooks.h"

class CliHooks : public QuietHooks {
public:
    using QuietHooks::QuietHooks;

    void SetCompileOutput(const std::string& utf8) override { compileOutput = utf8; }
    void ShowStopMessage(const std::string& utf8) override { stopMessage = utf8; }
    bool TakesReadings() const override { return takesReadings; }

    std::string compileOutput;
    std::string stopMessage;
    bool takesReadings = false;
};
