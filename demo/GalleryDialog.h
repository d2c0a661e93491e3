// GalleryDialog.h: the gallery's picture of a dialog built from a resource template.
#pragma once

// A dialog with an edit, a number, a drop-down list, a list box, radio buttons and a check box,
// filled through data exchange. Saved as "dialog.png".
bool GalleryDialog(const char* pszFolder);
