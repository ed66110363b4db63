// The Programs list's sample applications: each one a kind of window the bar must handle.
#include "emulator/lib/sample_programs.h"
#include "emulator/protocol.h"

namespace emu {

const std::vector<SampleProgram>& SamplePrograms()
{
    constexpr DWORD kPlain = WS_POPUP | WS_VISIBLE;
    static const std::vector<SampleProgram> programs{
        {L"Type, then close it: it asks to save.", {L"Notes", L"NotesClass", kPlain, 0, sample_trait::Notes}},
        {L"An ordinary window with its own icon.", {L"Calendar", L"CalendarClass", kPlain, 0, sample_trait::SmallIcon}},
        {L"A dialog: the bar shows OK for it.", {L"Confirm", L"Dialog", kPlain, kCaptionOkBit, 0}},
        {L"Media player: quits on Ctrl+Q.", {L"Media Player", L"WMP Player", kPlain, 0, 0}},
        {L"Ignores WM_CLOSE: the bar must end it.", {L"Stubborn", L"StubbornClass", kPlain, 0, sample_trait::IgnoresClose}},
        {L"Tap Hang 10 s: it stops answering.", {L"Busy", L"BusyClass", kPlain, 0, sample_trait::HangButton}},
    };
    return programs;
}

RECT SampleProgramRowRect(int index, int width, int scale)
{
    const int top = (2 + 34 * index) * scale;
    return {0, top, width, top + 34 * scale};
}

int SampleProgramRowAt(int x, int y, int width, int scale)
{
    const POINT p{x, y};
    for (size_t i = 0; i < SamplePrograms().size(); ++i) {
        const RECT row = SampleProgramRowRect(static_cast<int>(i), width, scale);
        if (PtInRect(&row, p))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace emu
