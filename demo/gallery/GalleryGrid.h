// GalleryGrid.h: pictures of the editable grid.
#pragma once

// A dialog with a grid of every cell type, selected lines, the white box and an open drop-down,
// the same grid read-only, and a scrolled grid. FALSE when a picture could not be saved.
bool GalleryGrid(const char* pszFolder);
