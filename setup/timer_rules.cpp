// Building and finding the Timer page's entries.
#include "setup/timer_rules.h"
#include <windows.h>

std::vector<std::wstring> TimePatterns(const std::wstring& p)
{
    return {L"HH" + p + L"mm" + p + L"ss", L"H" + p + L"mm" + p + L"ss", L"hh" + p + L"mm" + p + L"ss tt",
            L"h" + p + L"mm" + p + L"ss tt"};
}

std::wstring DefaultTimePattern(const std::wstring& p)
{
    return L"h" + p + L"mm" + p + L"ss tt";
}

bool ValidSeparator(const std::wstring& separator)
{
    return !separator.empty() && separator.find_first_of(L"Hhmst'") == std::wstring::npos;
}

const std::vector<float>& TimerSizes()
{
    static const std::vector<float> sizes = {5, 5.5f, 6.5f, 7.5f, 8, 9, 10, 10.5f, 11, 12, 14, 16, 18};
    return sizes;
}

int PrefixSearch(const std::vector<std::wstring>& entries, const std::wstring& prefix)
{
    const int count = static_cast<int>(entries.size());
    for (int step = 0; step < count; ++step) {
        const int i = (step + 1) % count;
        const std::wstring& entry = entries[i];
        if (entry.size() >= prefix.size() &&
            CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, entry.c_str(), static_cast<int>(prefix.size()),
                           prefix.c_str(), static_cast<int>(prefix.size())) == CSTR_EQUAL)
            return i;
    }
    return -1;
}

namespace {
std::wstring HourLetters(const std::wstring& pattern)
{
    return pattern.substr(0, pattern.find_first_not_of(L"Hh"));
}
} // namespace

int TimePatternForm(const std::wstring& pattern)
{
    const std::vector<std::wstring> forms = TimePatterns(L"");
    for (size_t i = 0; i < forms.size(); ++i)
        if (HourLetters(forms[i]) == HourLetters(pattern))
            return static_cast<int>(i);
    return -1;
}

int ExactEntry(const std::vector<std::wstring>& entries, const std::wstring& text)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text)
            return static_cast<int>(i);
    return -1;
}

int DevicePatternEntry(const std::vector<std::wstring>& entries, const std::wstring& pattern)
{
    const int exact = ExactEntry(entries, pattern);
    return exact >= 0 ? exact : PrefixSearch(entries, pattern);
}
