// The compile entry: parses the source buffer and emits the internal code.
#pragma once

// 0 accepted, 1 error recovery gave up, 2 parse stack overflow. Callers use errorCount.
int compileProgram();
