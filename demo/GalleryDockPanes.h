// GalleryDockPanes.h: the gallery's picture of docking panes round an MDI frame's client.
#pragma once

// A frame with its menu bar, panes docked at the left (two as tabs of one container), right and
// bottom, one pane floating in its mini frame, and a status bar, in the XP look, with a document
// window open ("dock-panes.png", the floating pane included); then the bottom pane dragged by its
// caption over the right one, with the docking markers shown ("dock-drag.png"); then the
// properties auto-hidden at the right and slid in ("dock-autohide.png").
bool GalleryDockPanes(const char* pszFolder);
