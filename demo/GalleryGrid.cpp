// GalleryGrid.cpp: grids in a dialog, saved from the screen.
#include "GalleryGrid.h"
#include "Gallery.h"

bool GalleryGrid(const char* pszFolder)
{
    return true;
}
