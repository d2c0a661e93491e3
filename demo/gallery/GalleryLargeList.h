// GalleryLargeList.h: the picture of the large list view.
#pragma once

// A frame showing a large list view of 10,000 members in three columns, sorted by their length,
// longest first, as a click on that column's header leaves it; saved as "large-list.png". FALSE
// when the picture could not be saved.
bool GalleryLargeList(const char* pszFolder);
