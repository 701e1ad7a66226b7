#pragma once

#include "base/log.h"

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The program's log lines would drown the fuzzer's own output.
inline void silenceLog()
{
    setLogSink([](const QByteArray &) {});
}
