// Shortcuts and the sample windows' event record.
#include "tests/kit/device.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/log_file.h"
#include "emulator/lib/shortcut_text.h"

namespace kit {

bool Device::CreateShortcut(const std::wstring& linkDevicePath, const std::wstring& target, const std::wstring& args)
{
    return WriteFile(linkDevicePath, emu::FormatShortcutText(target, args));
}
std::vector<SampleEvent> Device::SampleEvents() const
{
    std::vector<SampleEvent> events;
    const std::string text = emu::ReadLogFile(sampleLog_);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = text.substr(start, end - start);
        const size_t space = line.find(' ');
        const size_t bar = line.find('|', space == std::string::npos ? 0 : space);
        if (space == std::string::npos || bar == std::string::npos)
            continue;
        SampleEvent e{static_cast<DWORD>(std::strtoul(line.c_str(), nullptr, 10)), line.substr(space + 1, bar - space - 1),
                      "", 0, ""};
        const std::string rest = line.substr(bar + 1);
        const size_t gap = rest.find(' ');
        e.what = rest.substr(0, gap);
        e.text = gap == std::string::npos ? "" : rest.substr(gap + 1);
        e.value = std::strtoull(e.text.c_str(), nullptr, 10);
        events.push_back(e);
    }
    return events;
}

} // namespace kit
