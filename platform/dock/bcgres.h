// bcgres.h: the ids of the docking library's own resources (kwdock.rc) and of its menu commands.
#pragma once

// The context menu of a pane: its caption, or its tab in a tabbed container.
#define IDR_BCGP_BAR_MENU 0xEC80
#define ID_BCGP_BAR_FLOATING 0xEC81
#define ID_BCGP_BAR_DOCKING 0xEC82
#define ID_BCGP_BAR_AUTOHIDE 0xEC83
#define ID_BCGP_BAR_HIDE 0xEC84
