// KwSoleDocAppEventSoleDocClosed.cpp: the sole-document application's closed event.
#include "frame/KwSoleDocAppEventSoleDocClosed.h"

CKwSoleDocAppEventSoleDocClosed::~CKwSoleDocAppEventSoleDocClosed() {}
