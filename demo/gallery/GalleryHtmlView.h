// GalleryHtmlView.h: the picture of the toolkit's HTML view.
#pragma once

// A frame showing a report the host wrote into a CKwHtmlView: a heading, coloured text, a table
// with borders, a list and a link; saved as "html-view.png". FALSE when the picture could not be
// saved.
bool GalleryHtmlView(const char* pszFolder);

// The beam report both pictures show: a heading, coloured text, a table, lists and a link.
const char* GalleryBeamReport();
