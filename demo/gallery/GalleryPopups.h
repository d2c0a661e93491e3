// GalleryPopups.h: pictures of the small popups: the completion window with its description tip,
// links in a dialog with one under the mouse, and the plain static tip.
#pragma once

// Saves "completion.png", "hyperlink.png" and "static-tip.png". FALSE when one could not be
// saved.
bool GalleryPopups(const char* pszFolder);
