// GalleryPages.h: the gallery's pictures of property sheets and pages.
#pragma once

// A modal property sheet of two pages from the gallery's templates, as it shows before the user
// answers. Saved as "property-sheet.png".
bool GalleryPropertySheet(const char* pszFolder);
// A resizable page whose edits, combo boxes and buttons are anchored to its edges, at its
// template's size and stretched wide. Saved as "page-anchored.png" and "page-anchored-wide.png".
bool GalleryAnchoredPage(const char* pszFolder);
// A properties pane docked at the right of the MDI frame with three tabbed pages: a grid of
// members, anchored edits and combo boxes stretched to the pane's width, and checks with a tip
// shown. Saved as "bar-properties.png"; the first two tabs in front as "bar-properties-grid.png"
// and "bar-properties-anchored.png".
bool GalleryBarProperties(const char* pszFolder);
