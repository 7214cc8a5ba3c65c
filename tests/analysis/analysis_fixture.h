// Shared by the analysis tests: fresh work areas per test, compiling a text, the sample program.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

constexpr const char* kSampleProgram =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\nFILT 4.0, 0.0, 4.0, 0.2;\r\n"
    "PROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n";

// Value cells survive between evaluations; every test starts from cells at 0.
class WorkAreasTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(allocWorkAreas(), 0); }
    void TearDown() override { freeWorkAreas(); }

    // Compiles text as a run does; returns the error count.
    static int compile(const std::string& text)
    {
        resetCompiler();
        loadSourceText(text);
        compileProgram();
        return workAreas.errorCount;
    }

    static int identNumber(const char* name)
    {
        for (int i = 0; i < workAreas.identCount; ++i)
            if (std::strcmp(workAreas.identifiers[i], name) == 0)
                return i;
        return -100;
    }

    static double cellValue(const char* name) { return workAreas.identValues[identNumber(name)].re; }
};
