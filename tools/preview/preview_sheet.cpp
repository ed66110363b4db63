// Placing the preview's parts on one bitmap with GDI and writing it as PNG.
#include "tools/preview/preview_sheet.h"
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>
#include "bar/config/image_bitmap.h"
#include "bar/config/skin.h"
#include "emulator/lib/screen_capture.h"
#include "platform/scoped_win.h"

namespace {

constexpr int kMargin = 8;
constexpr int kLabelWidth = 170;
constexpr int kTextHeight = 16;
constexpr COLORREF kPaper = RGB(245, 245, 245);
constexpr COLORREF kInk = RGB(30, 30, 30);
const wchar_t* const kProfiles[] = {L"portrait", L"landscape", L"square", L"hires"};

struct Part {
    std::wstring profile;
    std::string label;
    HBITMAP bitmap;
    SIZE size;
    bool screen;  // a whole screen, placed in the row under the strips
    POINT at;
};

std::vector<Part> ReadParts(const std::wstring& outDir)
{
    std::vector<Part> parts;
    for (const wchar_t* profile : kProfiles) {
        std::ifstream list(std::string(outDir.begin(), outDir.end()) + "\\" +
                           std::string(profile, profile + wcslen(profile)) + ".txt");
        std::string line;
        while (std::getline(list, line)) {
            size_t tab = line.find('\t');
            if (tab == std::string::npos)
                continue;
            std::wstring file(line.begin(), line.begin() + tab);
            HBITMAP bitmap = LoadImageBitmap(nullptr, (outDir + L"\\" + file).c_str());
            if (!bitmap)
                continue;
            std::string label = line.substr(tab + 1);
            bool screen = label.find("popup") != std::string::npos || label.find("menu") != std::string::npos;
            parts.push_back(Part{profile, label, bitmap, BitmapSize(bitmap), screen, {0, 0}});
        }
    }
    return parts;
}

// Places every part and returns the sheet's size.
SIZE Layout(std::vector<Part>& parts)
{
    int y = kMargin, width = 0;
    for (const wchar_t* profile : kProfiles) {
        bool any = false;
        for (Part& p : parts)
            if (p.profile == profile && !p.screen) {
                if (!any)
                    y += kTextHeight + 4;  // the profile's heading
                any = true;
                p.at = POINT{kMargin + kLabelWidth, y};
                y += p.size.cy + 4;
                width = std::max(width, int(p.at.x + p.size.cx + kMargin));
            }
        int x = kMargin, rowHeight = 0;
        for (Part& p : parts)
            if (p.profile == profile && p.screen) {
                p.at = POINT{x, y + kTextHeight};
                x += p.size.cx + kMargin;
                rowHeight = std::max(rowHeight, int(kTextHeight + p.size.cy));
            }
        width = std::max(width, x);
        y += rowHeight + kMargin;
    }
    return SIZE{width, y};
}

void Label(HDC dc, int x, int y, const std::string& text)
{
    std::wstring wide(text.begin(), text.end());
    TextOutW(dc, x, y, wide.c_str(), int(wide.size()));
}

void Draw(HDC dc, const std::vector<Part>& parts)
{
    ScopedMemoryDC source(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    // Pixels, not points: the sheet looks the same whichever screen density composed it.
    ScopedGdiObject<HFONT> labels(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                              0, L"Tahoma"));
    ScopedSelectObject font(dc, labels.get());
    std::wstring headed;
    for (const Part& p : parts) {
        if (!p.screen && p.profile != headed) {
            headed = p.profile;
            Label(dc, kMargin, p.at.y - kTextHeight - 4, std::string(p.profile.begin(), p.profile.end()));
        }
        if (p.screen)
            Label(dc, p.at.x, p.at.y - kTextHeight, p.label);
        else
            Label(dc, kMargin, p.at.y + (p.size.cy - kTextHeight) / 2, p.label);
        ScopedSelectObject picture(source.get(), p.bitmap);
        BitBlt(dc, p.at.x, p.at.y, p.size.cx, p.size.cy, source.get(), 0, 0, SRCCOPY);
    }
}

bool WriteLayout(const std::wstring& path, const std::vector<Part>& parts)
{
    std::ofstream out(std::string(path.begin(), path.end()), std::ios::binary);
    for (const Part& p : parts)
        out << std::string(p.profile.begin(), p.profile.end()) << "/" << p.label << "\t" << p.at.x << "\t" << p.at.y
            << "\t" << p.size.cx << "\t" << p.size.cy << "\n";
    return bool(out);
}

} // namespace

bool ComposeSheet(const std::wstring& outDir, const std::wstring& sheetPath)
{
    std::vector<Part> parts = ReadParts(outDir);
    SIZE size = Layout(parts);
    bool ok = !parts.empty();
    if (ok) {
        ScopedGetDC screen(nullptr);
        ScopedMemoryDC dc(screen.get());
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        ScopedGdiObject<HBITMAP> sheet(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ok = sheet.get() && bits;
        if (ok) {
            ScopedSelectObject selected(dc.get(), sheet.get());
            RECT all = {0, 0, size.cx, size.cy};
            ScopedGdiObject<HBRUSH> paper(CreateSolidBrush(kPaper));
            FillRect(dc.get(), &all, paper.get());
            Draw(dc.get(), parts);
            GdiFlush();
            std::vector<COLORREF> pixels;
            const DWORD* p = static_cast<const DWORD*>(bits);
            for (long i = 0; i < size.cx * size.cy; ++i)
                pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
            ok = emu::WritePng(sheetPath, pixels, size.cx, size.cy) && WriteLayout(sheetPath + L".txt", parts);
        }
    }
    for (Part& p : parts)
        DeleteObject(p.bitmap);
    return ok;
}
