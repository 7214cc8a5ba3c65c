// Compiles, evaluations and the engines' runs on every path allocate nothing,
// and a failed allocation of the work areas leaves none held. malloc is
// replaced for the whole process, so allocations inside the C and C++
// libraries and on the engines' threads are seen too.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <string>

#include "analysis/evaluation_engine.h"
#include "analysis/filt_inverse.h"
#include "analysis/frequency_sweep.h"
#include "analysis/settings_readers.h"

#include "lang/evaluator.h"
#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

extern "C" void* __libc_malloc(size_t size);
extern "C" void* __libc_calloc(size_t count, size_t size);
extern "C" void* __libc_realloc(void* block, size_t size);

namespace {

std::atomic<long> allocationCount{0};
size_t failingSize = 0;  // requests of exactly this many bytes fail; 0 fails none

bool refused(size_t size)
{
    ++allocationCount;
    return failingSize != 0 && size == failingSize;
}

}  // namespace

extern "C" void* malloc(size_t size)
{
    return refused(size) ? nullptr : __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size)
{
    return refused(count * size) ? nullptr : __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, size_t size)
{
    return refused(size) ? nullptr : __libc_realloc(block, size);
}

namespace {

// Every statement kind, errors with long lines, long numbers and names.
const std::string kPrograms[] = {
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\n"
    "FILT 4.0, 0.0, 4.0, 0.2;\r\nPROBE H(s);\r\n/* 0-order Hold */\r\n",
    "K = 2d3 ** -0.5; G(s) = K // (1 + s) + log(s) * ln(s) - sqrt(s) / tan(s) + sin(s) * cos(s)"
    " + sinh(s) - cosh(s) * tanh(s); OMEGA 1, 2, 3, ARITH; 1/s; END",
    "x = " + std::string(3000, '7') + "." + std::string(3000, '1') + "e-2900;\n" + std::string(80, 'n') + ";",
    "a = = 1;\r\n" + std::string(300, 'q') + " + ;\r\nb = 1 +\r\nc = #",
    std::string(197, '(') + "1" + std::string(197, ')') + ";",
};

class AllocationTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        failingSize = 0;
        setEngineSettings(EngineSettings{});
        freeWorkAreas();
    }
};

TEST_F(AllocationTest, CompileAndEvaluationAllocateNothing)
{
    ASSERT_EQ(allocWorkAreas(), 0);
    for (const std::string& program : kPrograms) {
        resetCompiler();
        const long beforeLoad = allocationCount;
        loadSourceText(program);
        ASSERT_GT(allocationCount, beforeLoad) << "the conversion's strings are counted";
        const long before = allocationCount;
        const int result = compileProgram();
        if (workAreas.errorCount == 0) {
            for (int i = 0; i < 10; ++i) {
                evaluateAtOmega(0.1 * i, 1);
                evaluateProgram(q_complex(0.5, i), -1);
            }
        }
        EXPECT_EQ(allocationCount, before) << "result " << result << " of " << program.substr(0, 40);
    }
}

TEST_F(AllocationTest, EngineRunsAllocateNothing)
{
    ASSERT_EQ(allocWorkAreas(), 0);
    // In batches, and one s at a time since H reads the value of the point before.
    const char* const programs[] = {"H(s) = (1-exp(-s*1.2))/s; PROBE H(s);", "G(s) = 2 * H(s); H(s) = 1/(s+1); PROBE G;"};
    // Small units, so that the two threads share even these short runs.
    const EngineSettings paths[] = {{1, PATH_EVALUATOR}, {1, PATH_COMPILED}, {1, PATH_FASTEST}, {2, PATH_FASTEST, 1000}};
    for (const char* program : programs) {
        resetCompiler();
        loadSourceText(program);
        compileProgram();
        const int probe = findProbe();
        for (const EngineSettings& path : paths) {
            setEngineSettings(path);
            long before = 0;
            // The first runs make the engine's threads and rooms, once.
            for (int run = 0; run < 2; ++run) {
                before = allocationCount;
                frequencySweep(probe, 0.1, 20, 500, 1);
                filtInverse(probe, 0.1, 4, 100, 4, 0, 10, 0.2);
            }
            EXPECT_EQ(allocationCount, before) << program << " on " << path.threads << " threads, path " << path.path;
        }
    }
}

TEST_F(AllocationTest, FailedAllocationHoldsNothing)
{
    failingSize = kSourceCapacity;  // the source and diagnostics buffers
    EXPECT_EQ(allocWorkAreas(), 2);
    EXPECT_FALSE(workAreasHeld());
    EXPECT_EQ(workAreas.code, nullptr);
    freeWorkAreas();
    failingSize = 0;
    EXPECT_EQ(allocWorkAreas(), 0);
    EXPECT_TRUE(workAreasHeld());
}

}  // namespace
