// The kept image files of this thread, bounded in bytes.
#include "bar/config/kept_image_files.h"
#include <string>
#include <utility>

namespace {

struct KeptFile {
    std::wstring path;
    FileStamp stamp;
    std::vector<BYTE> bytes;
};

// File times may be as coarse as two seconds (FAT storage cards).
constexpr LONGLONG kStillFor = 3 * 10000000LL;

// A few skins' worth; when full, everything is dropped and kept afresh.
thread_local std::vector<KeptFile> keptFiles;
thread_local size_t keptBytes = 0;

LONGLONG Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (LONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
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
        lookup.kept = &kept->bytes;
    return lookup;
}

void KeepImageFile(const wchar_t* path, const ImageFileLookup& lookup, std::vector<BYTE>&& whole)
{
    const LONGLONG now = Now();
    if (!lookup.stamped || LONGLONG(whole.size()) != lookup.stamp.size || whole.size() > kKeptImageBytesMax ||
        now - lookup.stamp.lastWrite < kStillFor || now - lookup.stamp.lastChange < kStillFor)
        return;
    if (KeptFile* old = Find(path)) {
        keptBytes -= old->bytes.size();
        *old = std::move(keptFiles.back());
        keptFiles.pop_back();
    }
    if (keptBytes + whole.size() > kKeptImageBytesMax) {
        keptFiles.clear();
        keptBytes = 0;
    }
    keptBytes += whole.size();
    keptFiles.push_back(KeptFile{path, lookup.stamp, std::move(whole)});
}
