// GalleryHelpers.h: pictures of the shared helpers: colour replacement and rectangle tilings.
#pragma once

// ReplaceColor before and after, saved as "replace-color.png"; CSplit tilings of one rectangle
// into 3, 5, 7 and 12 cells, saved as "split.png". FALSE when a picture could not be saved.
bool GalleryHelpers(const char* pszFolder);

class CDC;
typedef void (*PaintFunction)(CDC& dc);
// Shows a popup window of the size that paint paints, and saves it as <name>.png.
bool GallerySavePainting(const char* pszFolder, const char* pszName, int width, int height, PaintFunction paint);
