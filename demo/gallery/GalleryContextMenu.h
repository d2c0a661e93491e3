// GalleryContextMenu.h: the gallery's pictures of the toolkit's combo box and of a context menu
// built through a chain of windows.
#pragma once

// A window with a normal and a flat CKwComboBox ("combo-boxes.png"), and the context menu its
// innermost pane builds together with the windows around it, as shown ("context-menu.png").
bool GalleryContextMenu(const char* pszFolder);
