#pragma once
// Running a programming run to its end on the caller's event loop, for the callers that
// have nothing else to do meanwhile: the command-line tool, the benchmark, the tests.
#include "link/programming_run.h"

#include <functional>
#include <optional>

namespace tq8615 {

// Turns the event loop until the run is no longer active or `timeoutMs` pass (no limit
// when negative); true when it ended.
bool WaitUntilIdle(const ProgrammingRun& run, int timeoutMs = -1);

// Starts a run with `start` and waits for its end: whether it succeeded, or nullopt when
// it did not start or did not end in time.
std::optional<bool> RunToEnd(ProgrammingRun& run, const std::function<bool()>& start, int timeoutMs = -1);

}  // namespace tq8615
