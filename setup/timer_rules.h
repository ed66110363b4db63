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

// The first entry that begins with prefix (letter case ignored), searching from the
// second entry onwards and then the first; -1 when none does.
int PrefixSearch(const std::vector<std::wstring>& entries, const std::wstring& prefix);
