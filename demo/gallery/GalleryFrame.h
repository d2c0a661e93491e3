// GalleryFrame.h: pictures of the application layer: the new-document type dialog and the
// docking library's looks.
#pragma once

// The type dialog offering three kinds of document, saved as "template-dialog.png"; bars and
// captions drawn by the plain and the XP visual managers, saved as "visual-managers.png".
// FALSE when a picture could not be saved.
bool GalleryFrame(const char* pszFolder);
