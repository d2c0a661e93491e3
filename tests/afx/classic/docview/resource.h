// resource.h: the document/view host's resource ids.
#define IDR_MAINFRAME 128
