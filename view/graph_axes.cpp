#include "view/graph_axes.h"

#include <cmath>

#include "analysis/number_format.h"

namespace {

constexpr int kLabelGap = 8;
constexpr int kDivisions = 10;

QString label(const char* format, double value)
{
    return QString::fromStdString(formatDouble(format, value));
}

int width(const GraphRect& plot) { return plot.right - plot.left; }
int height(const GraphRect& plot) { return plot.bottom - plot.top; }

double log10Of(double value) { return std::log(value) / std::log(10.0); }

// 10 to the power, formed by multiplication so that decades print exactly
// (0.01, 1E+006, 1E-005).
double decadePower(int exponent)
{
    double power = 1.0;
    for (int i = 0; i < std::abs(exponent); ++i)
        power *= 10.0;
    return exponent < 0 ? 1.0 / power : power;
}

// A frequency label centred under x.
void writeFrequencyLabel(DrawingSurface& surface, int x, const GraphRect& plot, const QString& text)
{
    surface.textOut(x - surface.textExtent(text).cx / 2, plot.bottom + kLabelGap, text);
}

// What both frequency axes end with: the end labels, the thick frame, the title.
void finishFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                         const GraphRect& plot)
{
    writeFrequencyLabel(surface, plot.left, plot, label("%G", bode.freqAxisMin));
    writeFrequencyLabel(surface, plot.right, plot, label("%G", bode.freqAxisMax));
    surface.selectPen(kThickPen);
    surface.outline(plot);
    const QString title = bode.radianUnits ? "omega[rad/sec]" : "f[Hz]";
    const TextExtent extent = surface.textExtent(title);
    surface.textOut((plot.left + plot.right) / 2 - (extent.cx + extent.cy) / 2,
                    plot.bottom + extent.cy + kLabelGap, title);
}

// The vertical lines of one decade of a logarithmic axis that fall strictly
// inside the frame; the decade line itself is thick and labelled.
void drawDecade(DrawingSurface& surface, const GraphRect& plot, double decadeX, double perDecade,
                int exponent)
{
    const int x = static_cast<int>(decadeX);
    if (plot.left < x && x < plot.right) {
        surface.selectPen(kThickPen);
        surface.line(x, plot.top, x, plot.bottom);
        writeFrequencyLabel(surface, x, plot, label("%G", decadePower(exponent)));
    }
    surface.selectPen(kThinPen);
    for (int j = 1; j <= 9; ++j) {
        const int xj = static_cast<int>(decadeX + log10Of(j) * perDecade);
        if (plot.left < xj && xj < plot.right)
            surface.line(xj, plot.top, xj, plot.bottom);
    }
}

// The gain axis range: linear limits, or ten divisions below the dB reference.
void gainRange(const BodeDisplaySettings& bode, double& lo, double& hi)
{
    if (bode.linearGain) {
        lo = bode.linGainMin;
        hi = bode.linGainMax;
    } else {
        hi = bode.dbRef;
        lo = bode.dbRef - kDivisions * bode.dbDiv;
    }
}

// Phase labels in radians for the nine inner division lines, upward.
constexpr const char* kRadianLabels[2][9] = {
    {"-2PI", "-(7/4)PI", "-(6/4)PI", "-(5/4)PI", "-PI", "-(3/4)PI", "-(2/4)PI", "-(1/4)PI", "0"},
    {"-PI", "-(3/4)PI", "-(2/4)PI", "-(1/4)PI", "0", "(1/4)PI", "(2/4)PI", "(3/4)PI", "PI"},
};

QString phaseLabel(const BodeDisplaySettings& bode, int division)
{
    const int range = bode.phaseRange ? 1 : 0;
    if (bode.radianUnits)
        return kRadianLabels[range][division - 1];
    const double bottomDegrees = range ? -225.0 : -405.0;
    return label("%4.2f", 45.0 * division + bottomDegrees);
}

}  // namespace

void drawLinearFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                             const GraphRect& plot, const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, kBlack);
    const double a = bode.freqAxisMin;
    const double b = bode.freqAxisMax;
    for (int i = 1; i < kDivisions; ++i) {
        const int x = static_cast<int>(plot.left + i * (width(plot) / 10.0));
        surface.line(x, plot.top, x, plot.bottom);
        writeFrequencyLabel(surface, x, plot, label("%G", i * ((b - a) / 10) + a));
    }
    finishFrequencyAxis(surface, bode, plot);
}

void drawLogFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                          const GraphRect& plot, const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, kBlack);
    const double lmin = log10Of(bode.freqAxisMin);
    const double lmax = log10Of(bode.freqAxisMax);
    // Ends that are not positive or not distinct leave no decades to draw.
    if (std::isfinite(lmin) && std::isfinite(lmax) && lmin != lmax) {
        const int d0 = static_cast<int>(std::floor(lmin));
        const int n = static_cast<int>(std::ceil(lmax)) - d0;
        const double perDecade = width(plot) / (lmax - lmin);
        const double offset = (d0 - lmin) * perDecade;
        for (int k = 0; k < n; ++k)
            drawDecade(surface, plot, plot.left + offset + k * perDecade, perDecade, d0 + k);
    }
    finishFrequencyAxis(surface, bode, plot);
}

void drawGainAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                  const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, bode.gainColor);
    double lo = 0;
    double hi = 0;
    gainRange(bode, lo, hi);
    const int labelRight = plot.left - kLabelGap;
    auto writeGainLabel = [&](int y, const QString& text) {
        const TextExtent extent = surface.textExtent(text);
        surface.textOut(labelRight - extent.cx, y - extent.cy / 2, text);
    };
    for (int i = 1; i < kDivisions; ++i) {
        const int y = static_cast<int>(plot.bottom - i * (height(plot) / 10.0));
        surface.line(plot.left, y, plot.right, y);
        if (bode.showGain)
            writeGainLabel(y, label("%G", i * ((hi - lo) / 10) + lo));
    }
    if (!bode.showGain)
        return;
    writeGainLabel(plot.bottom, label("%G", lo));
    writeGainLabel(plot.top, label("%G", hi));
    const QString title = bode.linearGain ? "LinearGain" : "Gain[dB]";
    const TextExtent extent = surface.textExtent(title);
    surface.textOut(labelRight - extent.cx, plot.top - extent.cy - kLabelGap, title);
}

void drawPhaseAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                   const QFont& font)
{
    if (!bode.showPhase)
        return;
    SurfaceSelection selection(surface, kThinPen, font, bode.phaseColor);
    const int x = plot.right + kLabelGap;
    for (int division = 1; division < kDivisions; ++division) {
        const QString text = phaseLabel(bode, division);
        surface.textOut(x, plot.bottom - division * height(plot) / 10 - surface.textExtent(text).cy / 2,
                        text);
    }
    const QString title = bode.radianUnits ? "Phase[rad]" : "Phase[deg]";
    surface.textOut(x, plot.top - surface.textExtent(title).cy - kLabelGap, title);
}

void drawTimeAxes(DrawingSurface& surface, const FiltDisplaySettings& filt, const GraphRect& plot,
                  const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, kBlack);
    const int w = width(plot);
    const int h = height(plot);
    auto levelY = [&](int k) { return plot.bottom - static_cast<int>(k * h / 10.0); };
    auto timeX = [&](int k) { return plot.left + static_cast<int>(k * w / 10.0); };

    for (int k = 1; k < kDivisions; ++k)
        surface.line(plot.left, levelY(k), plot.right, levelY(k));
    surface.selectPen(kThickPen);
    surface.outline(plot);

    surface.setTextColor(filt.curveColor);
    for (int k = 0; k <= kDivisions; ++k) {
        const QString text = label("%4.2g", k * (filt.levelMax - filt.levelMin) / 10 + filt.levelMin);
        const TextExtent extent = surface.textExtent(text);
        surface.textOut(plot.left - extent.cx - kLabelGap, levelY(k) - extent.cy / 2, text);
    }
    for (int k = 1; k < kDivisions; ++k)
        surface.line(timeX(k), plot.bottom, timeX(k), plot.top);

    surface.setTextColor(kBlack);
    for (int k = 0; k <= kDivisions; ++k) {
        const QString text =
            label("%4.2g", k * (filt.timeAxisMax - filt.timeAxisMin) / 10 + filt.timeAxisMin);
        surface.textOut(timeX(k) - surface.textExtent(text).cx / 2, plot.bottom + kLabelGap, text);
    }

    const QString title = "Numerical Inversion of Laplace Transform.";
    surface.setTextColor(filt.curveColor);
    surface.textOut(plot.left, plot.top - surface.textExtent(title).cy - kLabelGap, title);
    const QString timeTitle = "Time[sec]";
    surface.setTextColor(kBlack);
    const TextExtent extent = surface.textExtent(timeTitle);
    surface.textOut((plot.left + plot.right) / 2 - extent.cx / 2, plot.bottom + extent.cy + 2 * kLabelGap,
                    timeTitle);
}
