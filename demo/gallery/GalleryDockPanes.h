// GalleryDockPanes.h: the gallery's picture of docking panes round an MDI frame's client.
#pragma once

// A frame with its menu bar, panes docked at the left and the bottom (each edge two panes as tabs
// of one container) and the right, one pane floating in its mini frame, and a status bar, in the
// XP look, with a document window open ("dock-panes.png", the floating pane included); then the
// floating pane dragged by its caption over the bottom marker of the right one, the markers and
// the outline of its place shown ("dock-drag.png"), and let go there; then the properties
// auto-hidden at the right and slid in ("dock-autohide.png").
bool GalleryDockPanes(const char* pszFolder);
