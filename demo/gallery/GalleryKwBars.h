// GalleryKwBars.h: the gallery's picture of the toolkit's control bars and status bar.
#pragma once

// A frame whose toolkit bars host real controls (two of them tabs of one container), undocking
// switched off and the Output bar's own context menu open on its caption; its status bar keeps a
// progress control over one of its panes ("kw-bars.png").
bool GalleryKwBars(const char* pszFolder);
