// GalleryTabWnd.h: the gallery's picture of the docking library's tab window.
#pragma once

// Two tab windows side by side in one window: a flat one with its tabs at the bottom (three
// views of a plan, the second one active) and a raised one with its tabs at the top, saved as
// "tab-window.png". FALSE when the picture could not be saved.
bool GalleryTabWnd(const char* pszFolder);
