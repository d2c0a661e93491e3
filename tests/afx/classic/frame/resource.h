// resource.h: the frame host's resource ids.
#define IDR_MAINFRAME 128
#define ID_VIEW_RED 32771
#define ID_VIEW_GREET 32772
#define ID_VIEW_UNHANDLED 32773
