// Checking a contact sheet against the run command's screenshot of the same skin and profile.
#pragma once
#include <string>

// Whether the sheet's size is what its layout file says, the profile's first bar
// strip is the screenshot's width and the bar's height, and its pixels are the
// screenshot's top rows, except within one span no wider than a clock (the minute
// may turn between the two pictures). Says what differs on stderr.
bool SheetMatchesScreenshot(const std::wstring& sheetPath, const std::wstring& profile, const std::wstring& shotPath);
