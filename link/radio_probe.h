#pragma once
// Whether a radio is there: the handshake alone, then "END". Used between the radios of a
// fleet, to wait for the next one and for the last one to go.
#include "link/transport.h"

namespace tq8615 {

// True when the radio answers the handshake within `timeoutMs`. The line is closed again.
// Give it a line of its own: a programming run takes every byte of its line.
bool RadioAnswers(Transport& line, int timeoutMs = 300);

}  // namespace tq8615
