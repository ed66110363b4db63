// The kept images of this thread, bounded in bytes.
#include "bar/config/kept_image_files.h"
#include <string>
#include <utility>

namespace {

struct KeptFile {
    std::wstring path;
    FileStamp stamp;
    KeptImage image;
};

// File times may be as coarse as two seconds (FAT storage cards).
constexpr LONGLONG kStillFor = 3 * 10000000LL;

// A few skins' worth; when full, everything is dropped and kept afresh.
thread_local std::vector<KeptFile> keptFiles;
thread_local size_t keptBytes = 0;

LONGLONG Now()
{
    // The handheld has no GetSystemTimeAsFileTime; this pair is what it offers.
    SYSTEMTIME system;
    GetSystemTime(&system);
    FILETIME now = {};
    SystemTimeToFileTime(&system, &now);
    return (LONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

// Bytes in a row of a 24-bit DIB of that width.
size_t DibRowBytes24(int width)
{
    return (size_t(width) * 3 + 3) & ~size_t(3);
}

KeptFile* Find(const wchar_t* path)
{
    for (KeptFile& kept : keptFiles)
        if (kept.path == path)
            return &kept;
    return nullptr;
}

} // namespace

ImageFileLookup LookUpImageFile(const wchar_t* path)
{
    ImageFileLookup lookup = {};
    lookup.stamped = ReadFileStamp(path, lookup.stamp);
    const KeptFile* kept = lookup.stamped ? Find(path) : nullptr;
    if (kept && SameFileStamp(kept->stamp, lookup.stamp))
        lookup.kept = &kept->image;
    return lookup;
}

void KeepImage(const wchar_t* path, const ImageFileLookup& lookup, int width, int height, const BYTE* rows)
{
    const LONGLONG now = Now();
    if (!lookup.stamped || !rows || width <= 0 || height <= 0 || now - lookup.stamp.lastWrite < kStillFor ||
        now - lookup.stamp.lastChange < kStillFor)
        return;
    const size_t bytes = DibRowBytes24(width) * size_t(height);
    if (bytes > kKeptImageBytesMax)
        return;
    if (KeptFile* old = Find(path)) {
        keptBytes -= old->image.rows.size();
        *old = std::move(keptFiles.back());
        keptFiles.pop_back();
    }
    if (keptBytes + bytes > kKeptImageBytesMax) {
        keptFiles.clear();
        keptBytes = 0;
    }
    keptBytes += bytes;
    keptFiles.push_back(KeptFile{path, lookup.stamp, KeptImage{width, height, std::vector<BYTE>(rows, rows + bytes)}});
}
