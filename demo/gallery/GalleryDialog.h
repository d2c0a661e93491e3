// GalleryDialog.h: the gallery's pictures of dialogs built from resource templates.
#pragma once

// A dialog with an edit, a number, a drop-down list, a list box, radio buttons and a check box,
// filled through data exchange. Saved as "dialog.png".
bool GalleryDialog(const char* pszFolder);
class CDialog;
// Shows a dialog made modeless, lets it paint, saves it as <name>.png and destroys it.
bool GallerySaveDialog(CDialog& dlg, const char* pszFolder, const char* pszName);

// The framework's New dialog, listing three kinds of document. Saved as "new-type-dialog.png".
bool GalleryNewTypeDialog(const char* pszFolder);
