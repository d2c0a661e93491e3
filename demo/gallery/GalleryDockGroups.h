// GalleryDockGroups.h: the gallery's picture of auto-hidden panes and groups in their strips.
#pragma once

// A frame whose left strip holds a pane and a tabbed group (a button for each tab, the group
// apart), slid in with its background tab in front, and whose bottom strip holds two panes
// ("dock-groups.png").
bool GalleryDockGroups(const char* pszFolder);
