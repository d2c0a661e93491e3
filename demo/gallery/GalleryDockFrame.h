// GalleryDockFrame.h: the gallery's pictures of the docking library's MDI frame.
#pragma once

// A frame with its menu bar and three document windows of two kinds (plans and a section
// table): cascaded, the bar showing the active document's menu ("dock-frame.png"); then one
// maximized, with its icon and buttons in the bar ("dock-frame-maximized.png"), its Edit popup
// opened from the bar ("dock-frame-menu.png"), and File New asking which kind of document to
// make ("documents-new.png").
bool GalleryDockFrame(const char* pszFolder);
