#include "analysis/listings.h"
#include "analysis/number_format.h"
#include "analysis/point_quantities.h"
#include "lang/workareas.h"

namespace {

constexpr int kNumberWidth = 40;
constexpr int kValueWidth = 80;

Listing bodeListing(const ViewData& view)
{
    const int radian = view.bode.radianUnits;
    const int linear = view.bode.linearGain;
    Listing listing;
    listing.columns = {{"No.", kNumberWidth},
                       {radian ? "omega[rad/sec]" : "freq[Hz]", kValueWidth},
                       {linear ? "gain[linear]" : "gain[dB]", kValueWidth},
                       {radian ? "phase[rad]" : "phase[deg]", kValueWidth},
                       {"", kValueWidth}};
    for (int i = 0; i < validPointCount(view); ++i) {
        const FrequencyPoint& point = view.frequencyPoints[i];
        listing.rows.push_back({formatInt("%d", i + 1), formatDouble("%G", shownFrequency(point, radian)),
                                formatDouble("%G", shownGain(point, linear)),
                                formatDouble("%G", shownPhase(point, radian)), ""});
    }
    return listing;
}

// The error column stands before the empty one when the run estimated the errors.
Listing filtListing(const ViewData& view)
{
    const bool errors = view.errorEstimateTaken != 0;
    Listing listing;
    listing.columns = {{"No.", kNumberWidth}, {"time[sec]", kValueWidth}, {"amplitude[linear]", kValueWidth}};
    if (errors)
        listing.columns.push_back({"error[linear]", kValueWidth});
    listing.columns.push_back({"", kValueWidth});
    for (int i = 0; i < validPointCount(view); ++i) {
        const TimePoint& point = view.timePoints[i];
        std::vector<std::string> row = {formatInt("%d", i + 1), formatDouble("%G", point.t),
                                        formatDouble("%G", point.level)};
        if (errors)
            row.push_back(formatDouble("%G", view.levelErrors[i]));
        row.push_back("");
        listing.rows.push_back(row);
    }
    return listing;
}

}  // namespace

Listing resultListing(const ViewData& view)
{
    switch (view.graphMode) {
    case GRAPH_BODE: return bodeListing(view);
    case GRAPH_FILT: return filtListing(view);
    default: return Listing{};
    }
}

void FillResultListing(const ViewData& view, AnalysisHooks& hooks)
{
    if (hooks.ShowsListings())
        hooks.ShowResultListing(resultListing(view));
}

void RefreshListings(ViewData& view, AnalysisHooks& hooks)
{
    FillResultListing(view, hooks);
    workAreas.codeCount = 0;
    FillCodeListing(hooks);
    hooks.RepaintView();
}
