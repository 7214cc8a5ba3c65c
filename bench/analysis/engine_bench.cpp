// The engines against native C++: each workload is run by an evaluation path
// and, side by side in the same iteration, by the same transfer function
// written by hand in C++ with the complex arithmetic inlined, through the
// same FILT sums. Counters: ns_per_eval of the path, native_ns_per_eval, and
// x_native, the ratio of the two (below 1: faster than native). The native
// levels are checked to equal the engine's to the bit.
//
// Paths: evaluator (the stack machine over the internal code), compiled (its
// compiled form, one s at a time), batch_1_thread, batch_all_threads.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "analysis/evaluation_engine.h"
#include "analysis/filt_inverse.h"
#include "analysis/frequency_sweep.h"
#include "analysis/settings_readers.h"
#include "lang/counted_division.h"
#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

namespace {

using Native = q_complex (*)(const q_complex& s, int& nearZero);

q_complex constant(double value)
{
    return {value, 0};
}

// H(s) = (1-exp(-s*1.2))/s, the editor's sample.
q_complex sampleH(const q_complex& s, int& nearZero)
{
    return countedQuotient(constant(1) - qExp(-s * constant(1.2)), s, nearZero);
}

// H(s) = exp(-0.1*s)*sinh(0.5*sqrt(s))/sinh(sqrt(s))/s; -0.1 is 0.1 negated, -0 its imaginary part.
q_complex transcendentalH(const q_complex& s, int& nearZero)
{
    const q_complex numerator = qExp(-constant(0.1) * s) * qSinh(constant(0.5) * qSqrt(s));
    return countedQuotient(countedQuotient(numerator, qSinh(qSqrt(s)), nearZero), s, nearZero);
}

// An order-10 rational function (a Butterworth denominator) over s, in Horner form.
const std::vector<double> kNumerator = {0.5, 1.5, 2.25, 3, 2.5, 1.75, 1.25, 0.75, 0.375, 1};
const std::vector<double> kDenominator = {1, 6.3925, 20.4317, 42.8021, 64.8824, 74.2334,
                                          64.8824, 42.8021, 20.4317, 6.3925, 1};

q_complex horner(const std::vector<double>& c, const q_complex& s)
{
    q_complex value = constant(c[0]);
    for (size_t i = 1; i < c.size(); ++i)
        value = value * s + constant(c[i]);
    return value;
}

std::string hornerText(const std::vector<double>& c)
{
    std::string text = std::to_string(c[0]);
    for (size_t i = 1; i < c.size(); ++i)
        text = "(" + text + ")*s + " + std::to_string(c[i]);
    return text;
}

q_complex rationalStepH(const q_complex& s, int& nearZero)
{
    return countedQuotient(countedQuotient(horner(kNumerator, s), horner(kDenominator, s), nearZero), s, nearZero);
}

const std::string kSampleProgram = "H(s) = (1-exp(-s*1.2))/s; PROBE H(s);";
const std::string kTranscendentalProgram = "H(s) = exp(-0.1*s)*sinh(0.5*sqrt(s))/sinh(sqrt(s))/s; PROBE H(s);";
const std::string kRationalStepProgram =
    "N(s) = " + hornerText(kNumerator) + "; D(s) = " + hornerText(kDenominator) + "; H(s) = N(s)/D(s)/s; PROBE H(s);";

struct Filt {
    double start, end;
    int count;
    double a, b, k1, k2;
};

// The heavy FILT: 2048 points of 405 evaluations each.
constexpr Filt kHeavyFilt = {0.01, 5, 2048, 4, 0, 200, 0.2};
// Every point at the term cap: 20005 evaluations each.
constexpr Filt kCappedFilt = {0.01, 5, 2048, 4, 0, 1e9, 0.2};

struct Workload {
    const std::string* program;
    Native native;
    bool bode;  // a 2047-point sweep over 0.1 to 20 rad/s instead of the FILT
    Filt filt;
};

int compileWorkload(const Workload& w)
{
    allocWorkAreas();
    resetCompiler();
    loadSourceText(*w.program);
    compileProgram();
    return findProbe();
}

// The FILT of the engine, by hand: the same points, terms and sums.
long long nativeFilt(const Filt& f, Native native, std::vector<double>& levels)
{
    std::vector<double> y(kPointEvaluationCapacity), imF(kPointEvaluationCapacity);
    const double h = (f.end - f.start) / f.count;
    long long evaluations = 0;
    int nearZero = 0;
    for (int i = 0; i < f.count; ++i) {
        const FiltPoint point = filtPointAt(f.start + i * h, f.a, f.b, f.k1, f.k2);
        filtTermOmegas(point, y.data());
        const int terms = filtTermCount(point);
        for (int k = 0; k < terms; ++k)
            imF[k] = native(q_complex(point.sigma, y[k]), nearZero).im;
        levels[i] = filtLevel(point, imF.data());
        evaluations += terms;
    }
    benchmark::DoNotOptimize(nearZero);
    return evaluations;
}

constexpr int kBodePoints = 2047;

long long nativeBode(Native native, std::vector<double>& values)
{
    const double step = (20 - 0.1) / (kBodePoints - 1);
    int nearZero = 0;
    for (int i = 0; i < kBodePoints; ++i)
        values[i] = native(q_complex(0, 0.1 + i * step), nearZero).im;
    benchmark::DoNotOptimize(nearZero);
    return kBodePoints;
}

void runEngine(const Workload& w, int probe, std::vector<double>& values)
{
    if (w.bode) {
        frequencySweep(probe, 0.1, 20, kBodePoints, 1);
        for (int i = 0; i < kBodePoints; ++i)
            values[i] = workAreas.sweepPoints[i].value.im;
        return;
    }
    const Filt& f = w.filt;
    filtInverse(probe, f.start, f.end, f.count, f.a, f.b, f.k1, f.k2);
    for (int i = 0; i < f.count; ++i)
        values[i] = workAreas.filtPoints[i].level;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void engineAgainstNative(benchmark::State& state, const Workload& w, EngineSettings settings)
{
    const int probe = compileWorkload(w);
    setEngineSettings(settings);
    std::vector<double> native(kResultCapacity), engine(kResultCapacity);
    double nativeSeconds = 0, engineSeconds = 0;
    long long evaluations = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        evaluations += w.bode ? nativeBode(w.native, native) : nativeFilt(w.filt, w.native, native);
        nativeSeconds += secondsSince(start);
        start = std::chrono::steady_clock::now();
        runEngine(w, probe, engine);
        const double seconds = secondsSince(start);
        engineSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    if (std::memcmp(native.data(), engine.data(), sizeof(double) * native.size()) != 0)
        state.SkipWithError("the engine's values differ from the native ones");
    setEngineSettings(EngineSettings{});
    state.counters["ns_per_eval"] = engineSeconds * 1e9 / evaluations;
    state.counters["native_ns_per_eval"] = nativeSeconds * 1e9 / evaluations;
    state.counters["x_native"] = engineSeconds / nativeSeconds;
}

const Workload kHeavyFiltSample = {&kSampleProgram, sampleH, false, kHeavyFilt};
const Workload kRationalStep = {&kRationalStepProgram, rationalStepH, false, kHeavyFilt};
const Workload kTranscendentalFilt = {&kTranscendentalProgram, transcendentalH, false, kHeavyFilt};
const Workload kBodeSample = {&kSampleProgram, sampleH, true, {}};
const Workload kCappedFiltSample = {&kSampleProgram, sampleH, false, kCappedFilt};

struct NamedWorkload {
    const char* name;
    const Workload* workload;
    int iterations;  // 0: as many as the library likes
};

const NamedWorkload kWorkloads[] = {
    {"heavy_filt_sample", &kHeavyFiltSample, 0},
    {"rational_step_response", &kRationalStep, 0},
    {"transcendental_filt", &kTranscendentalFilt, 0},
    {"bode_2047_points", &kBodeSample, 0},
    {"capped_filt_sample", &kCappedFiltSample, 1},
};

const std::pair<const char*, EngineSettings> kPaths[] = {
    {"evaluator", {1, PATH_EVALUATOR}},
    {"compiled", {1, PATH_COMPILED}},
    {"batch_1_thread", {1, PATH_FASTEST}},
    {"batch_all_threads", {0, PATH_FASTEST}},
};

int registerBenchmarks()
{
    for (const NamedWorkload& w : kWorkloads) {
        for (const auto& [pathName, settings] : kPaths) {
            const std::string name = std::string(w.name) + "/" + pathName;
            const Workload* workload = w.workload;
            const EngineSettings path = settings;
            auto* b = benchmark::RegisterBenchmark(name.c_str(), [workload, path](benchmark::State& state) {
                engineAgainstNative(state, *workload, path);
            });
            b->UseManualTime()->Unit(benchmark::kMillisecond);
            if (w.iterations > 0)
                b->Iterations(w.iterations);
        }
    }
    return 0;
}

const int registered = registerBenchmarks();

}  // namespace
