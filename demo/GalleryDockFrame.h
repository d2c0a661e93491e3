// GalleryDockFrame.h: the gallery's pictures of the docking library's MDI frame.
#pragma once

// A frame with its menu bar and two document windows: cascaded, the bar showing the documents'
// menu ("dock-frame.png"); then one maximized, with its icon and buttons in the bar
// ("dock-frame-maximized.png"), and its Edit popup opened from the bar ("dock-frame-menu.png").
bool GalleryDockFrame(const char* pszFolder);
