// The texts a run shows in the compile tab of the output pane, byte for byte.
#pragma once

constexpr const char* kWorkAreasFailedMessage = "作業メモリ確保に失敗しました";
constexpr const char* kEmptyProgramMessage = "f(s) = ? \r\n";
// The Bode run writes it without a line end, the FILT run with one.
constexpr const char* kBodeNoProbeMessage = "error: No PROBE-statement or Not found system-probing-IDENT";
constexpr const char* kFiltNoProbeMessage = "error: No PROBE-statement or Not found system-probing-IDENT \r\n";
constexpr const char* kNoFreqSetupMessage = "Error : Not exist FREQ or OMEGA statement \r\n";
constexpr const char* kNoTimeSetupMessage = "Error : Not exist TIME and FILT statement \r\n";
constexpr const char* kDividedByZeroMessage = "error: divided with Zero \r\n";
constexpr const char* kBodeCleanMessage = "syntax: OK";
constexpr const char* kFiltCleanMessage = "syntax: OK \r\n";
// Added below the previous run's message when a run is cancelled.
constexpr const char* kRunCancelledMessage = "解析を中止しました";
