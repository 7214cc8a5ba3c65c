#include "view/reading_marks.h"

#include <algorithm>
#include <cmath>

#include "analysis/number_format.h"
#include "view/graph_scales.h"
#include "view/plot_point.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kDotLength = 2;
constexpr int kDotSpacing = 5;
constexpr int kBarWidth = 3;
constexpr int kCrossHalf = 5;
constexpr int kLabelGap = 4;
// The rows of the dotted lines' labels, from the top of the graph down.
constexpr int kPhaseMarginRow = 0;
constexpr int kGainMarginRow = 1;
constexpr int kBandwidthRow = 2;

double gainOfDecibels(double db) { return std::pow(10.0, db / 20); }

QString valueText(const char* name, double value, const char* unit)
{
    return QString::fromUtf8(name) + QString::fromStdString(formatDouble("%.3G", value)) + QString::fromUtf8(unit);
}

class MarkPainter {
public:
    MarkPainter(DrawingSurface& surface, const ViewData& view)
        : surface_(surface), plot_(view.plotRect), scale_(view.bode, view.plotRect)
    {
    }

    // A dotted line from the top of the graph to its bottom at omega; false when it falls outside.
    bool dottedLine(double omega, Colorref colour)
    {
        const double x = scale_.x(omega);
        if (!std::isfinite(x) || x < plot_.left || x > plot_.right)
            return false;
        surface_.selectPen(SurfacePen{1, colour});
        for (int y = plot_.top; y < plot_.bottom; y += kDotSpacing)
            surface_.line(truncateToPixel(x), y, truncateToPixel(x), std::min(y + kDotLength, plot_.bottom));
        return true;
    }

    void bar(double omega, double y1, double y2, Colorref colour, int row, const QString& label)
    {
        if (!dottedLine(omega, colour) || !std::isfinite(y1) || !std::isfinite(y2))
            return;
        const int x = truncateToPixel(scale_.x(omega));
        surface_.selectPen(SurfacePen{kBarWidth, colour});
        surface_.line(x, truncateToPixel(y1), x, truncateToPixel(y2));
        labelLine(x, row, colour, label);
    }

    // A dotted line's label on its own row along the top of the graph, so
    // that the labels of crossings close together do not cover each other.
    void labelLine(int x, int row, Colorref colour, const QString& label)
    {
        const int y = plot_.top + kLabelGap + row * (surface_.textExtent(label).cy + kLabelGap);
        writeBeside(x, y, colour, label);
    }

    // Right of x, or left of it where the right would leave the graph.
    void writeBeside(int x, int y, Colorref colour, const QString& label)
    {
        const int width = surface_.textExtent(label).cx;
        const bool fitsRight = x + kLabelGap + width <= plot_.right;
        write(fitsRight ? x + kLabelGap : x - kLabelGap - width, y, colour, label);
    }

    void cross(double omega, double y, Colorref colour, const QString& label)
    {
        const double x = scale_.x(omega);
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        const int px = truncateToPixel(x);
        const int py = truncateToPixel(y);
        surface_.selectPen(SurfacePen{2, colour});
        surface_.line(px - kCrossHalf, py - kCrossHalf, px + kCrossHalf, py + kCrossHalf);
        surface_.line(px - kCrossHalf, py + kCrossHalf, px + kCrossHalf, py - kCrossHalf);
        writeBeside(px, py - kCrossHalf - surface_.textExtent(label).cy, colour, label);
    }

    void write(int x, int y, Colorref colour, const QString& text)
    {
        surface_.setTextColor(colour);
        surface_.textOut(x, y, text);
    }

    const BodeScale& scale() const { return scale_; }

private:
    DrawingSurface& surface_;
    const GraphRect& plot_;
    BodeScale scale_;
};

}  // namespace

void drawReadingMarks(DrawingSurface& surface, const ViewData& view, const QFont& font)
{
    const BodeDisplaySettings& bode = view.bode;
    const BodeReadings& r = view.readings.bode;
    if (!bode.showReadings || view.readings.state != READINGS_TAKEN || validPointCount(view) == 0)
        return;
    SurfaceSelection selection(surface, SurfacePen{1, bode.phaseColor}, font, bode.phaseColor);
    surface.intersectClip(view.plotRect);
    MarkPainter marks(surface, view);
    const BodeScale& scale = marks.scale();
    if (bode.showPhase && r.gainCrossover && r.phaseMargin)
        marks.bar(*r.gainCrossover, scale.phaseY(-kPi), scale.phaseY(-kPi + *r.phaseMargin * kPi / 180),
                  bode.phaseColor, kPhaseMarginRow, valueText("PM ", *r.phaseMargin, "°"));
    if (bode.showGain && r.phaseCrossover && r.gainMargin)
        marks.bar(*r.phaseCrossover, scale.gainY(gainOfDecibels(-*r.gainMargin)), scale.gainY(1), bode.gainColor,
                  kGainMarginRow, valueText("GM ", *r.gainMargin, " dB"));
    if (bode.showGain && r.bandwidth && marks.dottedLine(*r.bandwidth, bode.gainColor))
        marks.labelLine(truncateToPixel(scale.x(*r.bandwidth)), kBandwidthRow, bode.gainColor,
                        valueText("BW ", *r.bandwidth, ""));
    if (bode.showGain && r.peakOmega && r.peakGain)
        marks.cross(*r.peakOmega, scale.gainY(gainOfDecibels(*r.peakGain)), bode.gainColor,
                    valueText("Peak ", *r.peakGain, " dB"));
    surface.removeClip();
}
