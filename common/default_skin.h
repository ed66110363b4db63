// The skin both programs fall back to: its path below the program folder.
#pragma once

// Joined to the program folder, it is the Theme File of a config.ini that names none.
constexpr wchar_t kDefaultSkinPath[] = L"Themes\\Default\\barconfin.skin";
