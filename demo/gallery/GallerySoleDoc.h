// GallerySoleDoc.h: the gallery's picture of a sole-document application.
#pragma once

// A bridge model made by the application's New command, with the child windows its frame opens
// on it (the members, a summary and an HTML report): "sole-doc.png".
bool GallerySoleDoc(const char* pszFolder);
