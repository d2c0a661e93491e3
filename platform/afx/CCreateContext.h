// CCreateContext.h: what a frame needs to make its view: the view's class, the document it shows,
// the template both came from, and the frame or view being copied (for a second window).
#pragma once

#include "afxtypes.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;
struct CRuntimeClass;

struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = NULL;
    CDocument* m_pCurrentDoc = NULL;
    CDocTemplate* m_pNewDocTemplate = NULL;
    CView* m_pLastView = NULL;
    CFrameWnd* m_pCurrentFrame = NULL;
};
