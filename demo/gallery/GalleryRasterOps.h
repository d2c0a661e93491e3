// GalleryRasterOps.h: the gallery's picture of the drawing layer's raster operations.
#pragma once

// A window that combines one source picture with one destination pattern through each of the
// common raster operations (PATINVERT with the halftone brush), a tile per operation with its
// name. Saved as "raster-ops.png".
bool GalleryRasterOps(const char* pszFolder);
