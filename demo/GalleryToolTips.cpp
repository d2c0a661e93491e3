// GalleryToolTips.cpp: tooltips shown over a patterned window and saved from the screen.
#include "GalleryToolTips.h"
#include "Gallery.h"

#include "tips/UxToolTip.h"

bool GalleryToolTips(const char* pszFolder)
{
    return true;
}
