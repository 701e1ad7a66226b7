#pragma once

#include "device/protocol.h"

// How long the link waits: the answer time-out and the pauses. The defaults
// are the controller's; tests shorten them so that a silent gauge costs a
// fraction of a second instead of one second per command.
struct LinkTiming
{
    // Passed to readAnswer: half of it is the number of empty polls in a row
    // that end an answer.
    int answerTimeout = Protocol::kAnswerTimeout;
    // Pause after an empty poll (ms), ended early by input.
    int pollPause = Protocol::kPollPause;
    // Pause after the stop command (ms).
    int stopPause = Protocol::kStopPause;
};
