// GalleryDesktop.h: the gallery's pictures of a desktop stored in a document and restored.
#pragma once

// An application frame with a single-view child (a table of members) and a tabbed child
// (sections, loads and nodes), stored into a document's archive, closed, and restored into a
// fresh frame: with the tabbed child active ("desktop-restored.png"), then the single-view one
// ("desktop-mono.png").
bool GalleryDesktop(const char* pszFolder);
