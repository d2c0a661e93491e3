// The gallery: exercises the toolkit and reports what it did, one small function per component.
#include "Gallery.h"
#include "GalleryColorPicker.h"
#include "GalleryContextMenu.h"
#include "GalleryFontPicker.h"
#include "GalleryDesktop.h"
#include "GalleryDialog.h"
#include "GalleryDockFrame.h"
#include "GalleryDockGroups.h"
#include "GalleryDockPanes.h"
#include "GalleryFileDialog.h"
#include "GalleryFrame.h"
#include "GalleryGrid.h"
#include "GalleryLargeList.h"
#include "GalleryHtmlView.h"
#include "GalleryPages.h"
#include "GalleryPopups.h"
#include "GalleryHelpers.h"
#include "GalleryImageChoice.h"
#include "GalleryInputs.h"
#include "GallerySoleDoc.h"
#include "GallerySplash.h"
#include "GalleryKwBars.h"
#include "GalleryRasterOps.h"
#include "GalleryTabWnd.h"
#include "GalleryToolTips.h"
#include "core/CFileName.h"
#include "core/KwEvent.h"
#include "core/KwEventListener.h"
#include "core/KwEventSource.h"
#include "core/KwLineColPos.h"
#include "core/KwLineSelection.h"
#include "core/KwSpline.h"
#include "core/KwStringParser.h"
#include "core/KwUpdates.h"

#include <cstdio>
#include <cstring>

extern "C" const char* KwUiVersion();

namespace {

struct DocumentSaved : CKwEvent
{
    CString name;
    explicit DocumentSaved(const char* n) : name(n) {}
};

struct Reporter : CKwEventListener
{
    const char* who;
    explicit Reporter(const char* w) : who(w) {}
    void OnEvent(CKwEventSource* source, CKwEvent* event) override
    {
        if (DocumentSaved* saved = dynamic_cast<DocumentSaved*>(event))
            printf("  %s heard: document \"%s\" saved\n", who, (const char*)saved->name);
    }
};

void ShowEvents()
{
    printf("Events\n");
    CKwEventSource document;
    Reporter window("window"), statusBar("status bar");
    document.Subscribe(&window);
    document.Subscribe(&statusBar);
    document.SendOutEvent(new DocumentSaved("plan.kw"));
    document.Unsubscribe(&window);
    document.SendOutEvent(new DocumentSaved("plan2.kw"));

    CKwUpdates::PushDisable();
    printf("  updates enabled inside a bulk change: %s\n", CKwUpdates::AreEnabled() ? "yes" : "no");
    CKwUpdates::Pop();
    printf("  updates enabled after it: %s\n", CKwUpdates::AreEnabled() ? "yes" : "no");
}

void ShowLineColumns()
{
    printf("Line and column positions (tab size 4)\n");
    CString text("int main()\n{\n\treturn 0;\n}");
    UINT pos = (UINT)text.Find("0;");
    printf("  offset %u is line %u, column %u\n", pos, CKwLineColPos::GetLine(text, pos),
           CKwLineColPos::GetCol(text, pos, 4));
    printf("  line 2, column 4 is offset %u\n", CKwLineColPos::GetPos(text, 2, 4, 4));
}

void PrintSelection(const char* after, const CKwLineSelection& selection)
{
    printf("  after %-16s", after);
    for (POSITION pos = selection.GetHeadPosition(); pos;)
        printf(" %u", selection.GetNext(pos));
    printf("\n");
}

void ShowLineSelection()
{
    printf("Line selection\n");
    CKwLineSelection selection;
    selection.HitWithNothing(5);
    PrintSelection("click 5:", selection);
    selection.HitWithShift(2);
    PrintSelection("Shift+click 2:", selection);
    selection.HitWithShift(7);
    PrintSelection("Shift+click 7:", selection);
    selection.HitWithControl(6);
    PrintSelection("Ctrl+click 6:", selection);
}

void ShowStringParser()
{
    printf("String parser\n");
    CKwStringParser parser("red;green;;blue", ";");
    CString piece;
    printf("  \"red;green;;blue\" at ';':");
    while (parser.GetNextSubstring(piece))
        printf(" [%s]", (const char*)piece);
    printf("\n  lines of \"one\\r\\ntwo\\rthree\":");
    int pos = 0;
    while (CKwStringParser::GetNextLine("one\r\ntwo\rthree", pos, piece))
        printf(" [%s]", (const char*)piece);
    printf("\n");
}

void ShowFileNames()
{
    printf("File names\n");
    CFileName desktop("C:\\Projects\\Bridge\\layout.kwd");
    printf("  drive %s, folder %s, title %s, extension %s\n", (const char*)desktop.GetDrive(),
           (const char*)desktop.GetDir(), (const char*)desktop.GetFName(), (const char*)desktop.GetExt());
    CString relative = CFileName::AbsoluteToRelative("C:\\Projects\\Bridge", "C:\\Projects\\Shared\\beams.kw");
    printf("  C:\\Projects\\Shared\\beams.kw from the desktop's folder: %s\n", (const char*)relative);
    printf("  and back: %s\n", (const char*)desktop.GetAbsoluteFor(relative));
    desktop.SetExt(".bak");
    printf("  with another extension: %s\n", (const char*)desktop.Get());
}

void ShowSpline()
{
    printf("Spline through (0, 0), (1, 1), (2, 0), (3, 1)\n");
    CKwSpline spline;
    spline.Initialize(4, new double[4]{0, 1, 2, 3}, new double[4]{0, 1, 0, 1});
    for (double x = 0; x <= 3; x += 0.5)
        printf("  f(%.1f) = %.4f\n", x, spline.Interpolate(x));
}

// The pictures go to the folder named on the command line.
void SavePictures(const char* pszFolder)
{
    printf("Pictures in %s\n", pszFolder);
    printf("  window layer: %s\n", GalleryWindowLayer(pszFolder) ? "window-layer.png" : "failed");
    printf("  raster operations: %s\n", GalleryRasterOps(pszFolder) ? "raster-ops.png" : "failed");
    printf("  dialog from a resource template: %s\n", GalleryDialog(pszFolder) ? "dialog.png" : "failed");
    printf("  modal property sheet: %s\n", GalleryPropertySheet(pszFolder) ? "property-sheet.png" : "failed");
    printf("  anchored page: %s\n",
        GalleryAnchoredPage(pszFolder) ? "page-anchored.png, page-anchored-wide.png" : "failed");
    printf("  properties pane with three tabbed pages: %s\n", GalleryBarProperties(pszFolder)
        ? "bar-properties.png, bar-properties-grid.png, bar-properties-anchored.png" : "failed");
    printf("  the framework's New dialog: %s\n",
        GalleryNewTypeDialog(pszFolder) ? "new-type-dialog.png" : "failed");
    printf("  combo boxes and a context menu built by a chain of windows: %s\n",
        GalleryContextMenu(pszFolder) ? "combo-boxes.png, context-menu.png" : "failed");
    printf("  colour button with its picker open: %s\n",
        GalleryColorPicker(pszFolder) ? "color-picker.png" : "failed");
    printf("  font pickers: %s\n", GalleryFontPicker(pszFolder) ? "font-picker.png" : "failed");
    printf("  input dialogs: %s\n", GalleryInputs(pszFolder)
        ? "input-string.png, input-string-bool.png, input-string-combo.png, input-combo.png" : "failed");
    printf("  splash window: %s\n", GallerySplash(pszFolder) ? "splash.png" : "failed");
    printf("  save dialog with its list: %s\n", GalleryFileDialog(pszFolder) ? "file-dialog.png" : "failed");
    printf("  image choice over pictures of four formats, one selected: %s\n",
        GalleryImageChoice(pszFolder) ? "image-choice.png" : "failed");
    printf("  shared helpers: %s\n", GalleryHelpers(pszFolder) ? "replace-color.png, split.png" : "failed");
    printf("  tooltips: %s\n", GalleryToolTips(pszFolder)
        ? "tooltip-forms.png, tooltip-directions.png, tooltip-effects.png, tooltip-markup.png" : "failed");
    printf("  completion window, links, static tip: %s\n",
        GalleryPopups(pszFolder) ? "completion.png, hyperlink.png, static-tip.png" : "failed");
    printf("  grids: %s\n", GalleryGrid(pszFolder) ? "grid-schedule.png, grid-scrolled.png" : "failed");
    printf("  large list: %s\n", GalleryLargeList(pszFolder) ? "large-list.png" : "failed");
    printf("  HTML view with a written report: %s\n", GalleryHtmlView(pszFolder) ? "html-view.png" : "failed");
    printf("  MDI frame with its menu bar and two kinds of documents: %s\n",
        GalleryDockFrame(pszFolder) ? "dock-frame.png, dock-frame-maximized.png, dock-frame-menu.png, documents-new.png"
                                    : "failed");
    printf("  docking panes, two tabbed, a floating one, a drag over the markers, an auto-hidden one slid in: %s\n",
        GalleryDockPanes(pszFolder) ? "dock-panes.png, dock-drag.png, dock-autohide.png" : "failed");
    printf("  toolkit bars hosting controls, undocking off and a bar's own menu open, a progress in the status bar: %s\n",
        GalleryKwBars(pszFolder) ? "kw-bars.png" : "failed");
    printf("  auto-hidden panes and a tabbed group in their strips, the group slid in: %s\n",
        GalleryDockGroups(pszFolder) ? "dock-groups.png" : "failed");
    printf("  tab windows, flat at the bottom and raised at the top: %s\n",
        GalleryTabWnd(pszFolder) ? "tab-window.png" : "failed");
    printf("  a desktop stored in a document and restored into a fresh frame: %s\n",
        GalleryDesktop(pszFolder) ? "desktop-restored.png, desktop-mono.png" : "failed");
    printf("  application layer: %s\n",
        GalleryFrame(pszFolder) ? "template-dialog.png, visual-managers.png" : "failed");
    printf("  sole-document application: %s\n", GallerySoleDoc(pszFolder) ? "sole-doc.png" : "failed");
}

} // namespace

int main(int argc, char** argv)
{
    printf("%s\n", KwUiVersion());
    ShowEvents();
    ShowLineColumns();
    ShowLineSelection();
    ShowStringParser();
    ShowFileNames();
    ShowSpline();
    // "/dark" after the folder: every picture in the dark look.
    if (argc > 2 && strcmp(argv[2], "/dark") == 0)
        GallerySetDark(true);
    if (argc > 1)
        SavePictures(argv[1]);
    return 0;
}
