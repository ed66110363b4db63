// skincheck SKIN...: prints what each skin lacks or gets wrong; exit 0 when all are complete, 1 otherwise.
#include "tools/skincheck/skin_check.h"
#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: skincheck SKIN-FILE...\n");
        return 2;
    }
    int problems = 0;
    for (int i = 1; i < argc; ++i) {
        wchar_t full[MAX_PATH];
        if (!GetFullPathNameW(argv[i], MAX_PATH, full, nullptr))
            lstrcpynW(full, argv[i], MAX_PATH);
        printf("%ls\n", full);
        int here = 0;
        for (const Finding& finding : CheckSkin(full)) {
            printf("  %s\n", finding.text.c_str());
            here += finding.problem();
        }
        printf(here ? "  %d problem%s.\n" : "  complete.\n", here, here == 1 ? "" : "s");
        problems += here;
    }
    return problems ? 1 : 0;
}
