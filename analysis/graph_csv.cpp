#include "analysis/graph_csv.h"

#include "analysis/atomic_file_write.h"
#include "analysis/number_format.h"
#include "analysis/point_quantities.h"

namespace {

constexpr const char* kLineEnd = " \r\n";
constexpr const char* kNoData = "f(s)=? or No-Data.\r\n";
// A line of three "%E" numbers (14 characters at most, NANs included),
// separators and line end; room enough for a line of two.
constexpr size_t kBodeLineRoom = 3 * 14 + 2 * 2 + 3;

std::string bodeCsv(const ViewData& view)
{
    const int radian = view.bode.radianUnits;
    const int linear = view.bode.linearGain;
    std::string text = radian ? "omega[rad/sec]" : "freq[Hz]";
    text += linear ? ", gain[linear]" : ", gain[dB]";
    text += radian ? ", phase[rad]" : ", phase[deg]";
    text += kLineEnd;
    text.reserve(text.size() + validPointCount(view) * kBodeLineRoom);
    for (int i = 0; i < validPointCount(view); ++i) {
        const FrequencyPoint& point = view.frequencyPoints[i];
        appendDouble(text, "%E", shownFrequency(point, radian));
        text += ", ";
        appendDouble(text, "%E", shownGain(point, linear));
        text += ", ";
        appendDouble(text, "%E", shownPhase(point, radian));
        text += kLineEnd;
    }
    return text;
}

// With the error estimate shown, each line gains a third number.
std::string filtCsv(const ViewData& view)
{
    const bool errors = levelErrorsShown(view);
    std::string text = "time[sec], amplitude[linear]";
    if (errors)
        text += ", error[linear]";
    text += kLineEnd;
    text.reserve(text.size() + validPointCount(view) * kBodeLineRoom);
    for (int i = 0; i < validPointCount(view); ++i) {
        const TimePoint& point = view.timePoints[i];
        appendDouble(text, "%E", point.t);
        text += ", ";
        appendDouble(text, "%E", point.level);
        if (errors) {
            text += ", ";
            appendDouble(text, "%E", view.levelErrors[i]);
        }
        text += kLineEnd;
    }
    return text;
}

}  // namespace

bool csvExportEnabled(const ViewData& view)
{
    return (view.graphMode == GRAPH_BODE || view.graphMode == GRAPH_FILT) && view.pointCount >= 1;
}

// Every character of the text is ASCII, so its code page 932 form is the text itself.
std::string graphCsvText(const ViewData& view)
{
    if (!csvExportEnabled(view))
        return kNoData;
    return view.graphMode == GRAPH_BODE ? bodeCsv(view) : filtCsv(view);
}

bool writeGraphCsvFile(const std::string& path, const std::string& bytes, std::string& error)
{
    FileWriteFailure failure;
    if (writeFileAtomically(path, bytes, failure))
        return true;
    error = "Couldn't write " + path + ": " + failure.reason;
    return false;
}
