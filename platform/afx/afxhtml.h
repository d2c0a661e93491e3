// afxhtml.h: the framework's umbrella of the HTML view (the extension classes and CHtmlView).
#pragma once

#include "afxext.h"
#include "CHtmlView.h"
