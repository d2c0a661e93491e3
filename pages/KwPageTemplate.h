// KwPageTemplate.h: declares CKwPageTemplate, the rewrite that turns a copy of a dialog template
// (classic or extended) into the template of a child window.
#pragma once

#include "core/KwUiExport.h"

#include <cstddef>

class KWUI_API CKwPageTemplate
{
public:
    // Clears WS_POPUP, WS_VISIBLE and DS_MODALFRAME and sets WS_CHILD in the style, and clears
    // WS_EX_DLGMODALFRAME in the extended style. An extended template (0xFFFF as its second
    // word) keeps its help id, extended style and style in that order after the signature.
    // false, the bytes untouched, when they are too short for the template's header.
    static bool MakeChildStyle(unsigned char* pData, size_t nSize);
};
