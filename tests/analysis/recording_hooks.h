// Hooks that record what a run hands to the GUI, in order.
#pragma once
#include <string>
#include <vector>

#include "analysis/run_hooks.h"

struct BodeAnalysisPush {
    double start, end;
    int count, inOmega, arithmetic;
};

struct BodeGraphPush {
    int showGain, showPhase;
    double freqAxisMin, freqAxisMax;
    int radianUnits, linearFreqAxis;
    double dbRef, dbDiv, linGainMin, linGainMax;
    int linearGain;
};

struct FiltAnalysisPush {
    double start, end;
    int count;
    double a, b, k1, k2;
};

struct FiltGraphPush {
    double timeAxisMin, timeAxisMax, levelMin, levelMax;
};

class RecordingHooks : public AnalysisHooks {
public:
    explicit RecordingHooks(std::string text) : editorText(std::move(text)) {}

    std::string EditorText() override { return editorText; }
    void SetCompileOutput(const std::string& utf8) override
    {
        compileOutput = utf8;
        events.push_back("output");
    }
    void ResetCodeListing() override { events.push_back("reset code"); }
    void ClearResultListing() override { events.push_back("clear results"); }
    void ShowCodeListing(const Listing& listing) override
    {
        codeListing = listing;
        events.push_back("code listing");
    }
    void ShowResultListing(const Listing& listing) override
    {
        resultListing = listing;
        events.push_back("result listing");
    }
    void SetBodeAnalysisValues(double start, double end, int count, int inOmega, int arithmetic) override
    {
        bodeAnalysis = BodeAnalysisPush{start, end, count, inOmega, arithmetic};
        events.push_back("bode analysis values");
    }
    void SetBodeGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                            int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                            int linearGain) override
    {
        bodeGraph = BodeGraphPush{showGain,       showPhase, freqAxisMin, freqAxisMax, radianUnits, linearFreqAxis,
                                  dbRef,          dbDiv,     linGainMin,  linGainMax,  linearGain};
        events.push_back("bode graph values");
    }
    void SetFiltAnalysisValues(double start, double end, int count, double a, double b, double k1,
                               double k2) override
    {
        filtAnalysis = FiltAnalysisPush{start, end, count, a, b, k1, k2};
        events.push_back("filt analysis values");
    }
    void SetFiltGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax) override
    {
        filtGraph = FiltGraphPush{timeAxisMin, timeAxisMax, levelMin, levelMax};
        events.push_back("filt graph values");
    }
    bool TakesReadings() const override { return takesReadings; }
    void ShowReadings(const Listing& listing) override { readingsListing = listing; }
    void RepaintView() override { events.push_back("repaint"); }
    void ShowStopMessage(const std::string& utf8) override
    {
        stopMessage = utf8;
        events.push_back("stop message");
    }
    void BeginWaitCursor() override { events.push_back("wait"); }
    void EndWaitCursor() override { events.push_back("end wait"); }

    std::string editorText;
    std::string compileOutput;
    std::string stopMessage;
    Listing codeListing;
    Listing resultListing;
    Listing readingsListing;
    bool takesReadings = true;
    BodeAnalysisPush bodeAnalysis{};
    BodeGraphPush bodeGraph{};
    FiltAnalysisPush filtAnalysis{};
    FiltGraphPush filtGraph{};
    std::vector<std::string> events;
};
