// resource.h: the dialog host's resource ids.
#define IDD_WIZARD_DIALOG 102
#define IDR_MAINFRAME 128
#define IDC_COUNT 1000
#define IDC_NAME 1001
#define IDC_ENABLED 1002
