// Icon group directories: which image has a size, and where it lies.
#include "platform/resource_icon.h"
#include <cstring>

namespace {

// The layout of a group directory in a module's resources.
#pragma pack(push, 2)
struct GroupEntry {
    BYTE width;    // 0 means 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bits;
    DWORD bytes;
    WORD id;       // the RT_ICON resource holding the image
};
#pragma pack(pop)
constexpr size_t kGroupHeaderBytes = 6;

GroupEntry EntryAt(const BYTE* directory, int index)
{
    GroupEntry entry;
    std::memcpy(&entry, directory + kGroupHeaderBytes + size_t(index) * sizeof(GroupEntry), sizeof(entry));
    return entry;
}

} // namespace

int IconImageOfSize(const BYTE* directory, size_t bytes, int size)
{
    if (!directory || bytes < kGroupHeaderBytes)
        return -1;
    WORD count;
    std::memcpy(&count, directory + 4, sizeof(count));
    if (bytes < kGroupHeaderBytes + size_t(count) * sizeof(GroupEntry))
        return -1;
    int best = -1;
    WORD bestBits = 0;
    for (int i = 0; i < count; ++i) {
        const GroupEntry entry = EntryAt(directory, i);
        const int width = entry.width ? entry.width : 256, height = entry.height ? entry.height : 256;
        if (width == size && height == size && (best < 0 || entry.bits > bestBits)) {
            best = i;
            bestBits = entry.bits;
        }
    }
    return best;
}

WORD IconImageId(const BYTE* directory, int index)
{
    return EntryAt(directory, index).id;
}
