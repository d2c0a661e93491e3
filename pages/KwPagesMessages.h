// KwPagesMessages.h: the private window messages of the property pages.
#pragma once

#include <windows.h>

// Posted by a page to itself (no parameters): read the controls into the page's data.
#define KWM_PAGEDATACHANGED (WM_USER + 1)
// Posted by a page whose subject was deleted to its owner, or its parent (no parameters): the
// receiver destroys its pages.
#define KWM_DELETEALLPAGES (WM_USER + 74)
// Posted by the bar of properties to itself: the page objects whose handler was running when
// they were replaced can go now.
#define KWM_DELETEPENDINGPAGES (WM_USER + 75)
