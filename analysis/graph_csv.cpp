#include "analysis/graph_csv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "analysis/number_format.h"
#include "analysis/point_quantities.h"

namespace {

constexpr const char* kLineEnd = " \r\n";
constexpr const char* kNoData = "f(s)=? or No-Data.\r\n";

std::string bodeCsv(const ViewData& view)
{
    const int radian = view.bode.radianUnits;
    const int linear = view.bode.linearGain;
    std::string text = radian ? "omega[rad/sec]" : "freq[Hz]";
    text += linear ? ", gain[linear]" : ", gain[dB]";
    text += radian ? ", phase[rad]" : ", phase[deg]";
    text += kLineEnd;
    for (int i = 0; i < validPointCount(view); ++i) {
        const FrequencyPoint& point = view.frequencyPoints[i];
        text += formatDouble("%E", shownFrequency(point, radian));
        text += ", " + formatDouble("%E", shownGain(point, linear));
        text += ", " + formatDouble("%E", shownPhase(point, radian));
        text += kLineEnd;
    }
    return text;
}

std::string filtCsv(const ViewData& view)
{
    std::string text = "time[sec], amplitude[linear]";
    text += kLineEnd;
    for (int i = 0; i < validPointCount(view); ++i) {
        const TimePoint& point = view.timePoints[i];
        text += formatDouble("%E", point.t) + ", " + formatDouble("%E", point.level);
        text += kLineEnd;
    }
    return text;
}

std::string fileError(const std::string& path, int errnum)
{
    return "Couldn't write " + path + ": " + std::strerror(errnum);
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
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = fileError(path, errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    error = fileError(path, written ? errno : writeErrno);
    return false;
}
