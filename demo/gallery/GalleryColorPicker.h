// GalleryColorPicker.h: the gallery's picture of the colour button with its picker open.
#pragma once

// A small dialog-like window with a colour button, its picker open below it showing remembered
// colours, the newest selected and a palette cell under the pointer ("color-picker.png").
bool GalleryColorPicker(const char* pszFolder);
