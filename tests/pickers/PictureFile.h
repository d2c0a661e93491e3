// PictureFile.h: picture files written through GDI+ for the tests of the picture classes.
#pragma once

#include <windows.h>

#include <gdiplus.h>

// A width x height picture in four coloured quarters (top left, top right, bottom left, bottom
// right) written by GDI+ in the format of the MIME type; for GIF it is made of palette indices,
// since a GIF written from full colour does not load back here.
bool WritePicture(const char* path, const WCHAR* mime, int width, int height, const Gdiplus::ARGB quarters[4]);
