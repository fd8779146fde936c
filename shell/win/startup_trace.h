// The start-up trace: with LUMORA_TRACE_STARTUP set in the environment, the
// time of each start-up step from the creation of the process and the
// working set at its end, written to
// startup-trace.txt beside the program once a paint has shown the first
// face-up card (or at exit, when none did). Without it, nothing is timed.
#pragma once

namespace shell {

// Notes that a step has ended now. Steps after the trace was written are
// not noted.
void TraceStartup(const char* step);
// After each paint of the main window: the first paint, and the first one
// that showed a face-up card, which ends the trace.
void TraceStartupPaint();
// Writes what was noted, once.
void FinishStartupTrace();

}  // namespace shell
