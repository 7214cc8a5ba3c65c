// Compile speed of the sample program, and single evaluations by the
// evaluator and by the compiled form, with the same transfer function written
// directly in C++ (the complex arithmetic inlined) as the yardstick. The
// engines' runs are measured in bench/analysis/engine_bench.
#include <benchmark/benchmark.h>

#include <string>

#include "lang/compiled_evaluator.h"
#include "lang/counted_division.h"
#include "lang/evaluator.h"
#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

namespace {

const std::string kSampleProgram =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\n"
    "FILT 4.0, 0.0, 4.0, 0.2;\r\nPROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n";

constexpr int kSampleProbe = 1;  // H

void loadSample()
{
    allocWorkAreas();
    resetCompiler();
    loadSourceText(kSampleProgram);
}

// The sweep's pattern: a new frequency for every evaluation.
double nextOmega(double omega)
{
    return omega > 100 ? 0.1 : omega * 1.01;
}

void BM_LoadAndCompileSample(benchmark::State& state)
{
    allocWorkAreas();
    for (auto _ : state) {
        resetCompiler();
        loadSourceText(kSampleProgram);
        benchmark::DoNotOptimize(compileProgram());
    }
}
BENCHMARK(BM_LoadAndCompileSample);

void BM_CompileSample(benchmark::State& state)
{
    loadSample();
    for (auto _ : state) {
        resetCompiler();
        benchmark::DoNotOptimize(compileProgram());
    }
}
BENCHMARK(BM_CompileSample);

void BM_EvaluateSample(benchmark::State& state)
{
    loadSample();
    compileProgram();
    double omega = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateAtOmega(omega, kSampleProbe));
        omega = nextOmega(omega);
    }
}
BENCHMARK(BM_EvaluateSample);

void BM_EvaluateSampleCompiled(benchmark::State& state)
{
    loadSample();
    compileProgram();
    double omega = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateCompiled(q_complex(0, omega), kSampleProbe));
        omega = nextOmega(omega);
    }
}
BENCHMARK(BM_EvaluateSampleCompiled);

void BM_NativeSample(benchmark::State& state)
{
    double omega = 0.1;
    int nearZero = 0;
    for (auto _ : state) {
        const q_complex s(0, omega);
        benchmark::DoNotOptimize(countedQuotient(q_complex(1, 0) - qExp(-s * q_complex(1.2, 0)), s, nearZero));
        omega = nextOmega(omega);
    }
}
BENCHMARK(BM_NativeSample);

}  // namespace
