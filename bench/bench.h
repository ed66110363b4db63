// A small benchmark runner: each benchmark registers itself and prints its figures.
#pragma once
#include <windows.h>

struct BenchRegistration {
    BenchRegistration(const char* name, void (*run)());
};

#define BENCHMARK_CASE(name)                                           \
    static void name();                                                \
    static BenchRegistration name##_registration(#name, name);         \
    static void name()

// Nanoseconds per call of fn, timed over enough calls to last about 200 ms
// (after a warm-up), the best of three rounds.
template <typename Fn>
double NanosecondsPerCall(Fn fn)
{
    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    long long calls = 1;
    for (;;) {
        QueryPerformanceCounter(&a);
        for (long long i = 0; i < calls; ++i) fn();
        QueryPerformanceCounter(&b);
        double seconds = double(b.QuadPart - a.QuadPart) / double(freq.QuadPart);
        if (seconds > 0.05 || calls > (1ll << 30)) break;
        calls *= 4;
    }
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QueryPerformanceCounter(&a);
        for (long long i = 0; i < calls * 4; ++i) fn();
        QueryPerformanceCounter(&b);
        double ns = double(b.QuadPart - a.QuadPart) * 1e9 / double(freq.QuadPart) / double(calls * 4);
        if (ns < best) best = ns;
    }
    return best;
}
