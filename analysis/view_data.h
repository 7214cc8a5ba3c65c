// What the view holds besides its window: run inputs, last results, graph
// appearance, canvas and graph rectangle. Runs, listings and exports work on it.
#pragma once
#include <array>
#include <string>

#include "analysis/analysis_settings.h"
#include "analysis/display_settings.h"
#include "analysis/readings.h"
#include "lang/result_points.h"
#include "lang/workareas.h"

enum GraphMode { GRAPH_BODE = 1, GRAPH_FILT = 2 };

struct CanvasSize {
    int width = 400;
    int height = 300;
};

// The sizes a saved graph image may take.
constexpr int kCanvasWidthMin = 400;
constexpr int kCanvasWidthMax = 2000;
constexpr int kCanvasHeightMin = 300;
constexpr int kCanvasHeightMax = 2000;

struct GraphRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The graph rectangle of a canvas: 20 % to 60 % of each side.
GraphRect defaultPlotRect(CanvasSize canvas);

struct ViewData {
    int pointCount = 0;
    int graphMode = GRAPH_BODE;
    std::array<FrequencyPoint, kResultCapacity> frequencyPoints{};
    std::array<TimePoint, kResultCapacity> timePoints{};
    std::string sourceText;  // UTF-8, line ends as the editor holds them
    int sourceCut = 0;       // 1: sourceText was longer than a run compiles; its start was compiled
    int workAreasReady = 0;
    // Taken after a clean run: margins or step figures, and each level's
    // error estimate when the FILT settings ask for it.
    RunReadings readings;
    int errorEstimateTaken = 0;
    std::array<double, kResultCapacity> levelErrors{};

    AnalysisSettings settings;
    BodeDisplaySettings bode;
    FiltDisplaySettings filt;

    CanvasSize canvasSize;
    GraphRect plotRect = defaultPlotRect(CanvasSize{});
    // 1: saved images draw the graph filling the canvas, with room for its
    // labels, instead of at plotRect.
    int fitGraphToImage = 0;
};

// pointCount held to the arrays' size: how many points readers may take.
int validPointCount(const ViewData& view);

// The time graph and the CSV show each level's error estimate: the run took
// it and the FILT settings still ask for it.
bool levelErrorsShown(const ViewData& view);
