// Everything a view holds, as bytes, to show that something left it exactly as it was.
#pragma once
#include <cstring>
#include <string>

#include "analysis/view_data.h"

template <typename Record>
void appendBytes(std::string& bytes, const Record& record)
{
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
}

// Compare two snapshots of the same view: padding bytes stay as they were too.
inline std::string viewDataBytes(const ViewData& view)
{
    std::string bytes;
    appendBytes(bytes, view.pointCount);
    appendBytes(bytes, view.graphMode);
    appendBytes(bytes, view.frequencyPoints);
    appendBytes(bytes, view.timePoints);
    bytes += view.sourceText;
    appendBytes(bytes, view.sourceCut);
    appendBytes(bytes, view.workAreasReady);
    appendBytes(bytes, view.readings);
    appendBytes(bytes, view.errorEstimateTaken);
    appendBytes(bytes, view.levelErrors);
    appendBytes(bytes, view.settings);
    appendBytes(bytes, view.bode);
    appendBytes(bytes, view.filt);
    appendBytes(bytes, view.canvasSize);
    appendBytes(bytes, view.plotRect);
    appendBytes(bytes, view.fitGraphToImage);
    return bytes;
}
