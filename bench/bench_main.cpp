// Runs every registered benchmark, or those whose name contains the first argument.
#include "bench/bench.h"
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
struct Entry { const char* name; void (*run)(); };
std::vector<Entry>& Registry()
{
    static std::vector<Entry> entries;
    return entries;
}
}

BenchRegistration::BenchRegistration(const char* name, void (*run)())
{
    Registry().push_back({name, run});
}

int main(int argc, char** argv)
{
    const char* filter = argc > 1 ? argv[1] : nullptr;
    for (const Entry& e : Registry()) {
        if (filter && !strstr(e.name, filter))
            continue;
        printf("== %s\n", e.name);
        e.run();
        fflush(stdout);
    }
    return 0;
}
