// MenuText.h: a menu written out as text, items in order, so tests compare whole menus.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <string>

// One line per item: "text=id", "-" for a separator, "text>" followed by the nested items
// indented by two spaces.
std::string MenuText(HMENU hMenu, int nIndent = 0);

// The items' texts and states on one line: "text;" each, with " v" when checked and " (grey)"
// when disabled; "-;" for a separator.
std::string MenuItemStates(HMENU hMenu);
#endif
