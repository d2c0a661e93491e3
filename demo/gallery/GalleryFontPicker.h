// GalleryFontPicker.h: the gallery's picture of the font pickers.
#pragma once

// A dialog-like window with a CKwFontPicker in a bold serif face and red text, and an older
// CFontPickerWnd in italics ("font-picker.png").
bool GalleryFontPicker(const char* pszFolder);
