// A test fixture holding the work areas, with a compile from UTF-8 text.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

class LangTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(allocWorkAreas(), 0); }
    void TearDown() override { freeWorkAreas(); }

    // Reset, load and compile, as an analysis run does.
    int compile(const std::string& text)
    {
        resetCompiler();
        loadSourceText(text);
        return compileProgram();
    }

    static std::string diagnostics() { return workAreas.diagnostics; }

    // Code page 932 bytes straight into the source buffer.
    static void setSource(const std::string& bytes)
    {
        ASSERT_LE(bytes.size(), static_cast<size_t>(kSourceTextLimit));
        std::memcpy(workAreas.source, bytes.data(), bytes.size());
        workAreas.source[bytes.size()] = '\0';
    }
};

// The editor's sample program, without its comment line.
inline const char kSampleProgram[] =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\n"
    "FILT 4.0, 0.0, 4.0, 0.2;\r\nPROBE H(s);\r\n";
