// GallerySplash.h: the gallery's picture of the splash window.
#pragma once

// A splash window with two lines of text over its picture ("splash.png").
bool GallerySplash(const char* pszFolder);
