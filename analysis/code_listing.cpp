#include <string>

#include "analysis/listings.h"
#include "analysis/number_format.h"
#include "lang/encoding.h"
#include "lang/workareas.h"

namespace {

constexpr const char* kUnknown = "????";
constexpr const char* kSystemIdent = "sysIDENT";

const char* opcodeName(int opcode)
{
    return kCodeNames[opcode];
}

const char* functionName(int code)
{
    const int last = kCodeNameCount - kFunctionNameBase - 1;
    return code >= 0 && code <= last ? kCodeNames[kFunctionNameBase + code] : kUnknown;
}

std::string identifierName(int number)
{
    if (number < 0 || number >= workAreas.identCount)
        return kUnknown;
    return cp932ToUtf8(workAreas.identifiers[number]);
}

const char* sequenceName(int operand)
{
    switch (operand) {
    case FREQ_SEQ_ARITH: return "ARITHMETIC";
    case FREQ_SEQ_GEO: return "GEOMETRIC";
    default: return kUnknown;
    }
}

// OP_CODE, SUB_CODE and IDENT_No. of one instruction.
std::vector<std::string> describe(const Instruction& in)
{
    const std::string operand = formatInt("%d", in.operand);
    switch (in.opcode) {
    case PSH_IDNT:
    case POP_IDNT:
    case PSH_S:
    case SET_PROBE:
        if (in.operand < 0)
            return {opcodeName(in.opcode), kSystemIdent, operand};
        return {opcodeName(in.opcode), identifierName(in.operand), operand};
    case PSH_LEXPR:
    case POP_LEXPR: return {opcodeName(in.opcode), identifierName(in.operand), operand};
    case CAL: return {"CAL", functionName(in.operand), ""};
    case SET_FREQ_SEQ_TYPE:
    case SET_OMEGA_SEQ_TYPE: return {opcodeName(in.opcode), sequenceName(in.operand), ""};
    default:
        if (in.opcode < PSH_IDNT || in.opcode > kLastOpcode)
            return {kUnknown, kUnknown, ""};
        return {opcodeName(in.opcode), formatDouble("%g", in.value), ""};
    }
}

}  // namespace

Listing codeListing()
{
    Listing listing;
    listing.columns = {{"NO.", 40}, {"OP_CODE", 80}, {"SUB_CODE", 80}, {"IDENT_No.", 80}, {"", 80}};
    for (int i = 0; i < workAreas.codeCount; ++i) {
        std::vector<std::string> row = describe(workAreas.code[i]);
        row.insert(row.begin(), formatInt("%d", i));
        row.emplace_back();
        listing.rows.push_back(std::move(row));
    }
    return listing;
}

void FillCodeListing(AnalysisHooks& hooks)
{
    if (hooks.ShowsListings())
        hooks.ShowCodeListing(codeListing());
}
