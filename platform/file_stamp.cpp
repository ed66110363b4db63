// Comparing file stamps; reading one is the desktop layer's (file_stamp_desktop.cpp).
#include "platform/file_stamp.h"

bool SameFileStamp(const FileStamp& a, const FileStamp& b)
{
    return a.size == b.size && a.lastWrite == b.lastWrite && a.lastChange == b.lastChange;
}
