#include "analysis/bode_readings.h"

#include <cmath>
#include <vector>

#include "analysis/limit_at_zero.h"
#include "analysis/root_finding.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;
constexpr double kDegreesPerRadian = 180 / kPi;
// Neighbouring samples whose phases differ by more than this get a sample
// between them, so that the unwrapped phase follows H and no crossing of
// -180 degrees hides between two samples.
constexpr double kLargestPhaseStep = kPi / 2;
constexpr int kSubdivisionDepth = 16;
// The gain 3 dB down, as a ratio.
const double kBandwidthRatio = std::pow(10.0, -3.0 / 20);

struct Sample {
    double omega;
    q_complex value;
    double phase;  // unwrapped along the sweep
};

double argumentOf(const q_complex& z) { return std::atan2(z.im, z.re); }

// Into (-pi, pi].
double wrapped(double angle)
{
    const double w = std::remainder(angle, kTwoPi);
    return w <= -kPi ? w + kTwoPi : w;
}

double decibels(const q_complex& z) { return 20 * std::log10(modulus(z)); }

bool isFinite(const q_complex& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

class SampleGrid {
public:
    SampleGrid(const FrequencyPoint* points, int count, ProbedFunction& h) : h_(h)
    {
        for (int i = 0; i < count; ++i)
            if (std::isfinite(points[i].omega) && isFinite(points[i].value))
                add(points[i].omega, points[i].value, kSubdivisionDepth);
    }

    const std::vector<Sample>& samples() const { return samples_; }

private:
    void add(double omega, const q_complex& value, int depth)
    {
        if (samples_.empty()) {
            samples_.push_back(Sample{omega, value, argumentOf(value)});
            return;
        }
        const Sample& last = samples_.back();
        if (depth > 0 && std::abs(wrapped(argumentOf(value) - argumentOf(last.value))) > kLargestPhaseStep) {
            const double middle = 0.5 * (last.omega + omega);
            const q_complex middleValue = h_.atOmega(middle);
            if (isFinite(middleValue))
                add(middle, middleValue, depth - 1);
        }
        const Sample& before = samples_.back();
        samples_.push_back(
            Sample{omega, value, before.phase + wrapped(argumentOf(value) - argumentOf(before.value))});
    }

    ProbedFunction& h_;
    std::vector<Sample> samples_;
};

// A crossing and the margin there; the one nearest zero is kept.
struct Margin {
    Reading omega;
    Reading value;

    void offer(double crossingOmega, double margin)
    {
        if (!value || std::abs(margin) < std::abs(*value)) {
            omega = crossingOmega;
            value = margin;
        }
    }
};

// A value of exactly zero at a sample counts for the interval that ends there
// (or, for the first sample, the one that starts there), so it counts once.
bool changesSign(double g0, double g1, bool firstInterval)
{
    if (g0 == 0)
        return firstInterval;
    return g1 == 0 || (g0 < 0) != (g1 < 0);
}

void findGainCrossover(const std::vector<Sample>& samples, ProbedFunction& h, BodeReadings& readings)
{
    const RealFunction aboveUnity = [&h](double omega) { return modulus(h.atOmega(omega)) - 1; };
    Margin phaseMargin;
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
        const double g0 = modulus(samples[i].value) - 1;
        const double g1 = modulus(samples[i + 1].value) - 1;
        if (!changesSign(g0, g1, i == 0))
            continue;
        const double omega = bracketedRoot(aboveUnity, samples[i].omega, samples[i + 1].omega, g0, g1);
        phaseMargin.offer(omega, wrapped(kPi + argumentOf(h.atOmega(omega))) * kDegreesPerRadian);
    }
    readings.gainCrossover = phaseMargin.omega;
    readings.phaseMargin = phaseMargin.value;
}

// Which odd multiple of pi below phase: level index m for the level (2m + 1) pi.
double levelIndex(double phase) { return std::floor((phase - kPi) / kTwoPi); }

void findPhaseCrossover(const std::vector<Sample>& samples, ProbedFunction& h, BodeReadings& readings)
{
    Margin gainMargin;
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
        const double m0 = levelIndex(samples[i].phase);
        const double m1 = levelIndex(samples[i + 1].phase);
        if (m0 == m1)
            continue;
        const double level = kPi + kTwoPi * std::max(m0, m1);
        const RealFunction fromLevel = [&h, level](double omega) {
            return wrapped(argumentOf(h.atOmega(omega)) - level);
        };
        const double omega = bracketedRoot(fromLevel, samples[i].omega, samples[i + 1].omega,
                                           samples[i].phase - level, samples[i + 1].phase - level);
        gainMargin.offer(omega, -decibels(h.atOmega(omega)));
    }
    readings.phaseCrossover = gainMargin.omega;
    readings.gainMargin = gainMargin.value;
}

// The first fall below the gain at s = 0 less 3 dB; none without a finite,
// non-zero gain there or when the sweep starts below it.
void findBandwidth(const std::vector<Sample>& samples, ProbedFunction& h, BodeReadings& readings)
{
    const std::optional<q_complex> dc = valueAtZero(h);
    const double dcGain = dc ? modulus(*dc) : 0;
    if (dcGain == 0 || samples.empty())
        return;
    const RealFunction aboveLevel = [&h, dcGain](double omega) {
        return modulus(h.atOmega(omega)) / dcGain - kBandwidthRatio;
    };
    auto levelOf = [dcGain](const Sample& s) { return modulus(s.value) / dcGain - kBandwidthRatio; };
    if (levelOf(samples[0]) < 0)
        return;
    for (size_t i = 1; i < samples.size(); ++i) {
        const double g1 = levelOf(samples[i]);
        if (g1 < 0) {
            readings.bandwidth =
                bracketedRoot(aboveLevel, samples[i - 1].omega, samples[i].omega, levelOf(samples[i - 1]), g1);
            return;
        }
    }
}

// The largest gain of the sweep; inside the range it is refined between the
// neighbours of the largest sample.
void findPeak(const std::vector<Sample>& samples, ProbedFunction& h, BodeReadings& readings)
{
    if (samples.empty())
        return;
    size_t top = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if (modulus(samples[i].value) > modulus(samples[top].value))
            top = i;
    double omega = samples[top].omega;
    double gain = modulus(samples[top].value);
    if (top > 0 && top + 1 < samples.size()) {
        const RealFunction gainAt = [&h](double w) { return modulus(h.atOmega(w)); };
        const double refined = maximumInside(gainAt, samples[top - 1].omega, samples[top + 1].omega);
        if (gainAt(refined) > gain) {
            omega = refined;
            gain = gainAt(refined);
        }
    }
    readings.peakOmega = omega;
    readings.peakGain = 20 * std::log10(gain);
}

}  // namespace

BodeReadings bodeReadings(const FrequencyPoint* points, int count, ProbedFunction& h)
{
    const SampleGrid grid(points, count, h);
    BodeReadings readings;
    findGainCrossover(grid.samples(), h, readings);
    findPhaseCrossover(grid.samples(), h, readings);
    findBandwidth(grid.samples(), h, readings);
    findPeak(grid.samples(), h, readings);
    return readings;
}
