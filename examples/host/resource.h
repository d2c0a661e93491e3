// resource.h: the host's resource ids. The toolkit's own are in "res/resource.h"; the host's stay
// below them.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_MEMBERS 129
#define IDC_MEMBERS_GRID 1000
#define ID_EDIT_MEMBERS 32768
