// GalleryToolTips.h: pictures of the rich tooltip over a patterned background.
#pragma once

// Balloon and rectangular tips, the four directions, the background effects and a text using
// every tag. FALSE when a picture could not be saved.
bool GalleryToolTips(const char* pszFolder);
