// GalleryHtmlView.cpp: a beam report written as HTML into the toolkit's HTML view.
#include "GalleryHtmlView.h"
#include "Gallery.h"

#include "pickers/KwHtmlView.h"

const char* GalleryBeamReport()
{
    return
        "<h2>Beam B12 &ndash; check of the cross-section</h2>"
        "<p>Steel <b>S355</b>, profile <i>HEB 300</i>, span 7.20 m. "
        "Utilisation: <font color=\"#008000\"><b>0.82</b> (passed)</font>, "
        "deflection <span style=\"color: #C00000; font-weight: bold\">L/240 exceeded</span>.</p>"
        "<table border=\"1\" cellpadding=\"3\" width=\"100%\">"
        "<tr bgcolor=\"#DDE6F0\"><th>Load case</th><th>M [kNm]</th><th>V [kN]</th><th>Utilisation</th></tr>"
        "<tr><td>LC1 dead load</td><td align=\"right\">212.4</td><td align=\"right\">118.0</td><td align=\"right\">0.54</td></tr>"
        "<tr><td>LC2 live load</td><td align=\"right\">151.9</td><td align=\"right\">84.4</td><td align=\"right\">0.39</td></tr>"
        "<tr bgcolor=\"#FFF2CC\"><td><b>ULS combination</b></td><td align=\"right\">514.6</td><td align=\"right\">285.9</td>"
        "<td align=\"right\"><b>0.82</b></td></tr></table>"
        "<h3>Notes</h3><ul><li>Lateral restraint at the third points.</li>"
        "<li>Camber <u>15 mm</u> recommended.</li></ul>"
        "<ol><li>Check the connection at support A.</li><li>Review the deflection limit.</li></ol>"
        "<p style=\"font-size: 13px\">See the <a href=\"#top\">load model</a> for the values used.</p>";
}

bool GalleryHtmlView(const char* pszFolder)
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, "Report - Beam B12", WS_OVERLAPPEDWINDOW, GalleryScaled(60, 60, 620, 520)))
        return false;
    CKwHtmlView* pView = (CKwHtmlView*)RUNTIME_CLASS(CKwHtmlView)->CreateObject();
    pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, GalleryScaled(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST);
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->SetContents(GalleryBeamReport());
    pView->OnInitialUpdate(); // the blank page completes and the report is written into it
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->SetForegroundWindow();

    GalleryPump(300);
    bool bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "html-view");
    pFrame->DestroyWindow();
    return bSaved;
}
