// GalleryFileDialog.h: the gallery's picture of the toolkit's file dialog.
#pragma once

// The save dialog up with its "Save as:" list under the system's controls ("file-dialog.png").
bool GalleryFileDialog(const char* pszFolder);
