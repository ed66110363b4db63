// The preview's check: sheet size against its layout, the bar strip against the run command's screenshot.
#include "tools/preview/preview_compare.h"
#include <cstdio>
#include <fstream>
#include <sstream>
#include "tools/preview/preview_pixels.h"

namespace {

struct Placed {
    int x = 0, y = 0, w = 0, h = 0;
};

// The first part of profile's strips, and the sheet's extent by the layout file.
bool ReadLayout(const std::wstring& sheetPath, const std::wstring& profile, Placed* bar, SIZE* extent)
{
    std::ifstream in(std::string(sheetPath.begin(), sheetPath.end()) + ".txt");
    std::string line, wanted = std::string(profile.begin(), profile.end()) + "/the bar";
    bool found = false;
    *extent = SIZE{0, 0};
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string label;
        Placed p;
        std::getline(fields, label, '\t');
        fields >> p.x >> p.y >> p.w >> p.h;
        extent->cx = std::max(extent->cx, LONG(p.x + p.w));
        extent->cy = std::max(extent->cy, LONG(p.y + p.h));
        if (label == wanted && !found) {
            *bar = p;
            found = true;
        }
    }
    return found;
}

} // namespace

bool SheetMatchesScreenshot(const std::wstring& sheetPath, const std::wstring& profile, const std::wstring& shotPath)
{
    SIZE sheetSize, shotSize, extent;
    std::vector<COLORREF> sheet = FilePixels(sheetPath, &sheetSize), shot = FilePixels(shotPath, &shotSize);
    Placed bar;
    if (sheet.empty() || shot.empty() || !ReadLayout(sheetPath, profile, &bar, &extent)) {
        fprintf(stderr, "preview check: cannot read the sheet, its layout or the screenshot\n");
        return false;
    }
    int scale = shotSize.cx > 400 ? 2 : 1;
    // Every part lies inside the sheet, with a margin of at most 8 pixels right and below.
    bool sized = sheetSize.cx >= extent.cx && sheetSize.cx <= extent.cx + 8 && sheetSize.cy >= extent.cy &&
                 sheetSize.cy <= extent.cy + 8;
    if (!sized || bar.w != shotSize.cx || bar.h != 26 * scale) {
        fprintf(stderr, "preview check: sheet %ldx%ld for parts up to %ldx%ld, bar strip %dx%d for a %ldx%ld screen\n",
                sheetSize.cx, sheetSize.cy, extent.cx, extent.cy, bar.w, bar.h, shotSize.cx, shotSize.cy);
        return false;
    }
    int first = bar.w, last = -1;
    for (int y = 0; y < bar.h; ++y)
        for (int x = 0; x < bar.w; ++x)
            if (sheet[size_t(bar.y + y) * sheetSize.cx + bar.x + x] != shot[size_t(y) * shotSize.cx + x]) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    if (last >= 0 && last - first + 1 > 40 * scale) {
        fprintf(stderr, "preview check: the %ls bar strip differs from the screenshot in columns %d to %d\n",
                profile.c_str(), first, last);
        return false;
    }
    printf("preview check: %ls sheet %ldx%ld, bar strip %dx%d matches the screenshot%s\n", profile.c_str(),
           sheetSize.cx, sheetSize.cy, bar.w, bar.h, last >= 0 ? " (but for the clock)" : "");
    return true;
}
