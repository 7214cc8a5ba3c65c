// The work areas: obtained once, reset before every compile, released with the view.
#include "lang/workareas.h"

#include "lang/compiled_code.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

WorkAreas workAreas;

namespace {

bool areasHeld = false;

// An area is taken from the heap without being touched: a page costs
// something only when it is first used, and a short brenno-cli run uses few
// of them. Byte areas and the FILT points start with whatever the heap holds
// (every reader stays below what was written); the complex arrays, the sweep
// points and the compiled code start as zero bytes, which is 0 + 0j and a
// compiled form made from no instructions.
template <typename T>
bool obtain(T*& area, int count, bool zeroed)
{
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "an area is plain bytes");
    const size_t size = static_cast<size_t>(count) * sizeof(T);
    area = static_cast<T*>(zeroed ? std::calloc(1, size) : std::malloc(size));
    return area != nullptr;
}

template <typename T>
void release(T*& area)
{
    std::free(area);
    area = nullptr;
}

}  // namespace

int allocWorkAreas()
{
    WorkAreas& w = workAreas;
    if (areasHeld)
        return 0;
    int failures = 0;
    failures += !obtain(w.source, kSourceCapacity, false);
    failures += !obtain(w.lineText, kLineCapacity, false);
    failures += !obtain(w.diagnostics, kDiagnosticsCapacity, false);
    failures += !obtain(w.nodes, kNodeCapacity, false);
    failures += !obtain(w.token, kTokenCapacity, false);
    failures += !obtain(w.code, kCodeCapacity, false);
    failures += !obtain(w.identifiers, kIdentCapacity, false);
    failures += !obtain(w.evalStack, kEvalStackCapacity, true);
    failures += !obtain(w.identValues, kIdentValueCapacity, true);
    failures += !obtain(w.sweepPoints, kResultCapacity, true);
    failures += !obtain(w.filtPoints, kResultCapacity, false);
    failures += !obtain(w.compiled, 1, true);
    areasHeld = true;
    if (failures != 0) {
        freeWorkAreas();
        return failures;
    }
    std::strcpy(w.identifiers[0], "s");
    return 0;
}

void freeWorkAreas()
{
    WorkAreas& w = workAreas;
    if (!areasHeld)
        return;
    release(w.source);
    release(w.lineText);
    release(w.diagnostics);
    release(w.nodes);
    release(w.token);
    release(w.code);
    release(w.identifiers);
    release(w.evalStack);
    release(w.identValues);
    release(w.sweepPoints);
    release(w.filtPoints);
    release(w.compiled);
    areasHeld = false;
}

bool workAreasHeld()
{
    return areasHeld;
}

void resetCompiler()
{
    WorkAreas& w = workAreas;
    w.sourcePos = 0;
    w.diagnostics[0] = '\0';
    w.diagLength = 0;
    w.nodeCount = 0;
    w.nodes[0].kind = 0;
    w.errorCount = 0;
    w.codeCount = 0;
    w.code[0].opcode = 0;
    w.compiled->sourceCount = -1;
    w.identCount = 1;
    std::strcpy(w.identifiers[0], "s");
    w.tokenLength = 0;
    w.areaOverflowed = false;
    w.lineStart = 0;
    w.lineSearchedTo = 0;
}

void appendDiagnostic(const char* format, ...)
{
    WorkAreas& w = workAreas;
    if (w.diagLength >= kDiagnosticsCap)
        return;
    // The longest message (a syntax message with a full line) is far below the
    // room left behind the cap, so a message is cut only at the area's end.
    const int room = kDiagnosticsCapacity - w.diagLength;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(w.diagnostics + w.diagLength, static_cast<size_t>(room), format, args);
    va_end(args);
    if (written > 0)
        w.diagLength += written < room ? written : room - 1;
}

void reportAreaOverflow(const char* message)
{
    workAreas.areaOverflowed = true;
    appendDiagnostic("%s \r\n", message);
}

Node* newNode(int kind, int operand, double value)
{
    WorkAreas& w = workAreas;
    if (w.nodeCount >= kNodeCapacity) {
        reportAreaOverflow("ERROR : node-area over-flow.");
        return nullptr;
    }
    Node* node = &w.nodes[w.nodeCount++];
    *node = Node{kind, operand, value, nullptr, nullptr};
    return node;
}
