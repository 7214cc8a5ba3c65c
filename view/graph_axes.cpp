#include "view/graph_axes.h"

#include <cmath>
#include <vector>

#include "analysis/number_format.h"
#include "view/axis_labels.h"

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

int digitWidth(DrawingSurface& surface) { return surface.textExtent(QStringLiteral("0")).cx; }

// A label under the graph whose written figures are centred on x; the blanks
// that pad "%4.2g" to four characters stand left of them.
AxisLabel labelUnder(DrawingSurface& surface, int x, const GraphRect& plot, const QString& text)
{
    qsizetype firstFigure = 0;
    while (firstFigure < text.size() && text[firstFigure] == QLatin1Char(' '))
        ++firstFigure;
    const TextExtent whole = surface.textExtent(text);
    const int figures = surface.textExtent(text.mid(firstFigure)).cx;
    return AxisLabel{text, x - figures / 2 - (whole.cx - figures), plot.bottom + kLabelGap, whole};
}

// A label that ends kLabelGap left of the frame, centred on y.
AxisLabel labelLeftOf(DrawingSurface& surface, int y, const GraphRect& plot, const QString& text)
{
    const TextExtent extent = surface.textExtent(text);
    return AxisLabel{text, plot.left - extent.cx - kLabelGap, y - extent.cy / 2, extent};
}

// What both frequency axes end with: the thick frame and the title.
void finishFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                         const GraphRect& plot)
{
    surface.selectPen(kThickPen);
    surface.outline(plot);
    const QString title = bode.radianUnits ? "omega[rad/sec]" : "f[Hz]";
    const TextExtent extent = surface.textExtent(title);
    surface.textOut((plot.left + plot.right) / 2 - (extent.cx + extent.cy) / 2,
                    plot.bottom + extent.cy + kLabelGap, title);
}

// The vertical lines of one decade of a logarithmic axis that fall strictly
// inside the frame; the decade line itself is thick. Its label, if the line
// is drawn, joins decades.
void drawDecade(DrawingSurface& surface, const GraphRect& plot, double decadeX, double perDecade,
                int exponent, std::vector<DecadeLabel>& decades)
{
    const int x = static_cast<int>(decadeX);
    if (plot.left < x && x < plot.right) {
        surface.selectPen(kThickPen);
        surface.line(x, plot.top, x, plot.bottom);
        decades.push_back({labelUnder(surface, x, plot, label("%G", decadePower(exponent))), exponent});
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
    std::vector<AxisLabel> labels{labelUnder(surface, plot.left, plot, label("%G", a))};
    for (int i = 1; i < kDivisions; ++i) {
        const int x = static_cast<int>(plot.left + i * (width(plot) / 10.0));
        surface.line(x, plot.top, x, plot.bottom);
        labels.push_back(labelUnder(surface, x, plot, label("%G", roundedToZero(i * ((b - a) / 10) + a, a, b))));
    }
    labels.push_back(labelUnder(surface, plot.right, plot, label("%G", b)));
    writeLabels(surface, evenlySpacedLabels(labels, AxisRun::Across, digitWidth(surface)));
    finishFrequencyAxis(surface, bode, plot);
}

void drawLogFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                          const GraphRect& plot, const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, kBlack);
    const double lmin = log10Of(bode.freqAxisMin);
    const double lmax = log10Of(bode.freqAxisMax);
    std::vector<DecadeLabel> decades;
    // Ends that are not positive or not distinct leave no decades to draw.
    if (std::isfinite(lmin) && std::isfinite(lmax) && lmin != lmax) {
        const int d0 = static_cast<int>(std::floor(lmin));
        const int n = static_cast<int>(std::ceil(lmax)) - d0;
        const double perDecade = width(plot) / (lmax - lmin);
        const double offset = (d0 - lmin) * perDecade;
        for (int k = 0; k < n; ++k)
            drawDecade(surface, plot, plot.left + offset + k * perDecade, perDecade, d0 + k, decades);
    }
    const int digit = digitWidth(surface);
    const std::vector<AxisLabel> ends =
        clearEnds(labelUnder(surface, plot.left, plot, label("%G", bode.freqAxisMin)),
                  labelUnder(surface, plot.right, plot, label("%G", bode.freqAxisMax)), AxisRun::Across, digit);
    writeLabels(surface, spacedDecadeLabels(decades, ends, digit));
    writeLabels(surface, ends);
    finishFrequencyAxis(surface, bode, plot);
}

void drawGainAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                  const QFont& font)
{
    SurfaceSelection selection(surface, kThinPen, font, bode.gainColor);
    auto lineY = [&](int i) { return static_cast<int>(plot.bottom - i * (height(plot) / 10.0)); };
    for (int i = 1; i < kDivisions; ++i)
        surface.line(plot.left, lineY(i), plot.right, lineY(i));
    if (!bode.showGain)
        return;
    double lo = 0;
    double hi = 0;
    gainRange(bode, lo, hi);
    std::vector<AxisLabel> labels{labelLeftOf(surface, plot.bottom, plot, label("%G", lo))};
    for (int i = 1; i < kDivisions; ++i)
        labels.push_back(
            labelLeftOf(surface, lineY(i), plot, label("%G", roundedToZero(i * ((hi - lo) / 10) + lo, lo, hi))));
    labels.push_back(labelLeftOf(surface, plot.top, plot, label("%G", hi)));
    writeLabels(surface, evenlySpacedLabels(labels, AxisRun::Down, digitWidth(surface)));
    const QString title = bode.linearGain ? "LinearGain" : "Gain[dB]";
    const TextExtent extent = surface.textExtent(title);
    surface.textOut(plot.left - extent.cx - kLabelGap, plot.top - extent.cy - kLabelGap, title);
}

void drawPhaseAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                   const QFont& font)
{
    if (!bode.showPhase)
        return;
    SurfaceSelection selection(surface, kThinPen, font, bode.phaseColor);
    const int x = plot.right + kLabelGap;
    std::vector<AxisLabel> labels;
    for (int division = 1; division < kDivisions; ++division) {
        const QString text = phaseLabel(bode, division);
        const TextExtent extent = surface.textExtent(text);
        labels.push_back(AxisLabel{text, x, plot.bottom - division * height(plot) / 10 - extent.cy / 2, extent});
    }
    writeLabels(surface, evenlySpacedLabels(labels, AxisRun::Down, digitWidth(surface)));
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
    const int digit = digitWidth(surface);

    for (int k = 1; k < kDivisions; ++k)
        surface.line(plot.left, levelY(k), plot.right, levelY(k));
    surface.selectPen(kThickPen);
    surface.outline(plot);

    surface.setTextColor(filt.curveColor);
    std::vector<AxisLabel> levels;
    for (int k = 0; k <= kDivisions; ++k) {
        const double level = k * (filt.levelMax - filt.levelMin) / 10 + filt.levelMin;
        levels.push_back(
            labelLeftOf(surface, levelY(k), plot, label("%4.2g", roundedToZero(level, filt.levelMin, filt.levelMax))));
    }
    writeLabels(surface, evenlySpacedLabels(levels, AxisRun::Down, digit));
    for (int k = 1; k < kDivisions; ++k)
        surface.line(timeX(k), plot.bottom, timeX(k), plot.top);

    surface.setTextColor(kBlack);
    std::vector<AxisLabel> times;
    for (int k = 0; k <= kDivisions; ++k) {
        const double time = k * (filt.timeAxisMax - filt.timeAxisMin) / 10 + filt.timeAxisMin;
        times.push_back(
            labelUnder(surface, timeX(k), plot, label("%4.2g", roundedToZero(time, filt.timeAxisMin, filt.timeAxisMax))));
    }
    writeLabels(surface, evenlySpacedLabels(times, AxisRun::Across, digit));

    const QString title = "Numerical Inversion of Laplace Transform.";
    surface.setTextColor(filt.curveColor);
    surface.textOut(plot.left, plot.top - surface.textExtent(title).cy - kLabelGap, title);
    const QString timeTitle = "Time[sec]";
    surface.setTextColor(kBlack);
    const TextExtent extent = surface.textExtent(timeTitle);
    surface.textOut((plot.left + plot.right) / 2 - extent.cx / 2, plot.bottom + extent.cy + 2 * kLabelGap,
                    timeTitle);
}
