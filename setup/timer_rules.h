// The Timer page's rules without its combo boxes: patterns, separators, sizes, the prefix search.
#pragma once
#include <string>
#include <vector>

// The four time patterns with separator p: "HH" p "mm" p "ss", "H" p "mm" p "ss",
// "hh" p "mm" p "ss tt", "h" p "mm" p "ss tt".
std::vector<std::wstring> TimePatterns(const std::wstring& separator);

// The pattern offered when the device has none: "h" p "mm" p "ss tt".
std::wstring DefaultTimePattern(const std::wstring& separator);

// A separator is usable when it is not empty and holds none of "Hhmst'".
bool ValidSeparator(const std::wstring& separator);

// The sizes offered, in their order.
const std::vector<float>& TimerSizes();

// Which of TimePatterns a pattern has the form of, told by its hour letters ("HH",
// "H", "hh" or "h" before the separator); -1 for none.
int TimePatternForm(const std::wstring& pattern);

// The entry spelled exactly as text (letter case counts), or -1.
int ExactEntry(const std::vector<std::wstring>& entries, const std::wstring& text);

// The entry to select for the device's pattern: the exact one when there is one
// (so "H:mm:ss" is never taken for "h:mm:ss tt"), otherwise PrefixSearch's.
int DevicePatternEntry(const std::vector<std::wstring>& entries, const std::wstring& pattern);

// The first entry that begins with prefix (letter case ignored), searching from the
// second entry onwards and then the first; -1 when none does.
int PrefixSearch(const std::vector<std::wstring>& entries, const std::wstring& prefix);
