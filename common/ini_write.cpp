// Writing one value: append a section, or rewrite the file through the scratch file and copy it back.
#include "common/ini.h"
#include "common/ini_file.h"
#include <cstring>

namespace {

// A file that lacks its final line feed would glue a new header to its last line.
bool NeedsLineEndBeforeAppend(const wchar_t* path)
{
    FILE* file = IniOpenFile(path, "rb");
    if (!file)
        return false;
    bool needs = fseek(file, -1, SEEK_END) == 0 && getc(file) != '\n';
    fclose(file);
    return needs;
}

int AppendSection(const wchar_t* path, const char* section, const char* key, const char* value)
{
    bool lineEnd = NeedsLineEndBeforeAppend(path);
    FILE* file = IniOpenFile(path, "ab");
    if (!file)
        return INI_CANNOT_CREATE;
    bool ok = (!lineEnd || fputc('\n', file) != EOF) && fprintf(file, "%c%s%c\n", '[', section, ']') >= 0 &&
              fprintf(file, "%s=%s\n", key, value) >= 0;
    if (fclose(file) != 0)
        ok = false;
    return ok ? INI_SUCCESS : INI_WRITE_ERROR;
}

// Copies count lines; the source must still hold them.
int CopyLines(FILE* from, FILE* to, int count)
{
    char line[INI_LINE_MAX + 1];
    for (int i = 0; i < count; ++i) {
        if (IniReadLine(from, line, INI_LINE_MAX) < 0)
            return INI_READ_ERROR;
        if (fprintf(to, "%s\n", line) < 0)
            return INI_WRITE_ERROR;
    }
    return INI_SUCCESS;
}

int SkipLines(FILE* from, int count)
{
    char line[INI_LINE_MAX + 1];
    for (int i = 0; i < count; ++i)
        if (IniReadLine(from, line, INI_LINE_MAX) < 0)
            return INI_READ_ERROR;
    return INI_SUCCESS;
}

int CopyRemainingLines(FILE* from, FILE* to)
{
    char line[INI_LINE_MAX + 1];
    for (;;) {
        int n = IniReadLine(from, line, INI_LINE_MAX);
        if (n == INI_LINE_END_OF_FILE)
            return INI_SUCCESS;
        if (n == INI_LINE_STREAM_ERROR)
            return INI_READ_ERROR;
        if (fprintf(to, "%s\n", line) < 0)
            return INI_WRITE_ERROR;
    }
}

// Writes the file with the entry at the place the last read left in the location record.
int RewriteThroughScratch(const wchar_t* path, const char* key, const char* value, bool replace)
{
    IniLocation at = IniLastLocation();
    FILE* scratch = IniOpenFile(INI_SCRATCH_PATH, "wb");
    if (!scratch)
        return INI_CANNOT_CREATE;
    FILE* target = IniOpenFile(path, "rb");
    if (!target) {
        fclose(scratch);
        IniRemoveFile(INI_SCRATCH_PATH);
        return INI_CANNOT_OPEN;
    }
    int result = CopyLines(target, scratch, replace ? at.entryLine - 1 : at.sectionLine);
    if (result == INI_SUCCESS && replace)
        result = SkipLines(target, at.entrySpan);
    if (result == INI_SUCCESS && fprintf(scratch, "%s=%s\n", key, value) < 0)
        result = INI_WRITE_ERROR;
    if (result == INI_SUCCESS)
        result = CopyRemainingLines(target, scratch);
    fclose(target);
    if (fclose(scratch) != 0 && result == INI_SUCCESS)
        result = INI_WRITE_ERROR;
    // The scratch file stays behind when the copy-back fails: it is then the only whole copy.
    if (result == INI_SUCCESS && IniCopyFile(INI_SCRATCH_PATH, path) != INI_SUCCESS)
        return INI_CANNOT_CREATE;
    IniRemoveFile(INI_SCRATCH_PATH);
    return result;
}

// The texts kept under the hold are read again after a write.
struct HeldTextsForgetter {
    ~HeldTextsForgetter() { IniForgetHeldTexts(); }
};

} // namespace

int IniWriteValue(const wchar_t* path, const char* section, const char* key, const char* value)
{
    if (!path || !section || !key)
        return INI_CANNOT_OPEN;
    if (!value)
        value = "";
    // The lookup and the rewrite it steers are one step for every other process.
    IniFilesLock lock;
    if (!lock.Held())
        return INI_LOCKED;
    HeldTextsForgetter forget;
    char current[INI_LINE_MAX + 1];
    int found = IniReadValue(path, section, key, current, sizeof current);
    switch (found) {
    case INI_CANNOT_OPEN:
    case INI_NO_SECTION:
        return AppendSection(path, section, key, value);
    case INI_SUCCESS:
    case INI_NO_KEY:
        return RewriteThroughScratch(path, key, value, found == INI_SUCCESS);
    default:
        return found; // the file is not touched
    }
}

int IniCopyFile(const wchar_t* source, const wchar_t* target)
{
    if (!source || !target)
        return INI_CANNOT_OPEN;
    HeldTextsForgetter forget;
    FILE* in = IniOpenFile(source, "rb");
    if (!in)
        return INI_CANNOT_OPEN;
    FILE* out = IniOpenFile(target, "wb");
    if (!out) {
        fclose(in);
        return INI_CANNOT_CREATE;
    }
    char buffer[1024];
    int result = INI_SUCCESS;
    for (;;) {
        size_t n = fread(buffer, 1, sizeof buffer, in);
        if (n > 0 && fwrite(buffer, 1, n, out) != n) {
            result = INI_WRITE_ERROR;
            break;
        }
        if (n < sizeof buffer) {
            if (ferror(in))
                result = INI_READ_ERROR;
            break;
        }
    }
    fclose(in);
    if (fclose(out) != 0 && result == INI_SUCCESS)
        result = INI_WRITE_ERROR;
    return result;
}
