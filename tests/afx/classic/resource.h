// resource.h: the classic host's resource ids.
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
