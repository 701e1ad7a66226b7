#pragma once

// Turns SIGINT and SIGTERM into a readable descriptor (a self-pipe), so the
// gauge's poll() loop sees a stop request without a race.
class StopSignal
{
public:
    bool install();
    // Readable once a stop signal has arrived.
    int fd() const;
};
