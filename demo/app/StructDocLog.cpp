// StructDocLog.cpp: the model document's lines for the user go to the editor's output log. The
// document's library leaves its log open so that the tests link it without the application.
#include "StructApp.h"
#include "StructDoc.h"

namespace {

// Linked while the program starts, before any document exists.
struct CStructDocLogLink
{
    CStructDocLogLink() { CStructDoc::SetLog(&CStructApp::Log); }
} s_link;

} // namespace
