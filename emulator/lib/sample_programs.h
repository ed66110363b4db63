// The sample applications that the start menu's Programs list offers a person.
#pragma once
#include "emulator/lib/command_line.h"
#include <vector>

namespace emu {

struct SampleProgram {
    const wchar_t* purpose;    // one line: what to try with it
    SampleWindowSpec window;   // its title is the program's name
};

// In the order the list shows them.
const std::vector<SampleProgram>& SamplePrograms();

// The list's row of program index in a client area width wide, at scale (1 or 2):
// the name above, the purpose below. Row -1 for a point on no row.
RECT SampleProgramRowRect(int index, int width, int scale);
int SampleProgramRowAt(int x, int y, int width, int scale);

} // namespace emu
