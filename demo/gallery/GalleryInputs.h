// GalleryInputs.h: the gallery's pictures of the small input dialogs.
#pragma once

// Each input dialog up and filled in: "input-string.png", "input-string-bool.png",
// "input-string-combo.png" and "input-combo.png".
bool GalleryInputs(const char* pszFolder);
