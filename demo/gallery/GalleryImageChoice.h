// GalleryImageChoice.h: the gallery's picture of the image choice dialog.
#pragma once

// "Choose Image" over a folder of generated pictures in four formats and of several shapes, one
// of them selected ("image-choice.png").
bool GalleryImageChoice(const char* pszFolder);
