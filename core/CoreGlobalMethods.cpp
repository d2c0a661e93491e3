// CoreGlobalMethods.cpp: the shared helpers, each over the platform function that does the work.
#include "core/CoreGlobalMethods.h"

#include "res/resource.h"

#include <commdlg.h>
#include <mbstring.h>
#include <shlobj.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char* SkipBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// What the wheel helper and the system told us, for the whole process.
struct WheelCache
{
    UINT lines = 0; // 0 = not yet known
    UINT message = 0; // "MSH_SCROLL_LINES_MSG"
    int state = 0; // 0 not tried, 1 no helper message, 2 helper message registered
};
WheelCache g_wheel;

UINT SystemWheelLines()
{
    UINT lines = 3;
    UINT fromSystem = 0;
    if (::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &fromSystem, 0))
        lines = fromSystem;
    return lines;
}

// Preselects the incoming folder once the browser is up.
int CALLBACK BrowseCallback(HWND hWnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED && lpData != 0 && *(const char*)lpData != '\0')
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}

// Frees a shell item list through the shell's allocator.
void FreeItemList(LPITEMIDLIST pidl)
{
    IMalloc* pMalloc = NULL;
    if (SUCCEEDED(::SHGetMalloc(&pMalloc)))
    {
        pMalloc->Free(pidl);
        pMalloc->Release();
    }
}

// Selects a bitmap into a fresh DC compatible with another, and undoes both.
class CMemorySurface
{
public:
    CMemorySurface(HDC hdcLike, HBITMAP hBitmap) : m_hdc(::CreateCompatibleDC(hdcLike)), m_hBitmap(hBitmap), m_hOld(NULL)
    {
        if (m_hdc != NULL && m_hBitmap != NULL)
            m_hOld = ::SelectObject(m_hdc, m_hBitmap);
    }
    ~CMemorySurface()
    {
        if (m_hOld != NULL)
            ::SelectObject(m_hdc, m_hOld);
        if (m_hdc != NULL)
            ::DeleteDC(m_hdc);
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
    }
    CMemorySurface(const CMemorySurface&) = delete;
    CMemorySurface& operator=(const CMemorySurface&) = delete;
    bool IsReady() const { return m_hOld != NULL; }
    HDC m_hdc;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

const DWORD ROP_DEST_AND_NOT_SOURCE = 0x00220326; // DSna

} // namespace

void CCoreGlobalMethods::Uint2String(UINT n, CString& s)
{
    s.Format("%u", n);
}

int CCoreGlobalMethods::String2Uint(const char* s, UINT& n)
{
    if (s == NULL)
        return FALSE;
    const char* start = SkipBlanks(s);
    char* end = NULL;
    errno = 0;
    unsigned long value = strtoul(start, &end, 10);
    if (errno == ERANGE || value > UINT_MAX)
        return FALSE;
    if (value == 0 && *start != '0')
        return FALSE;
    if (*SkipBlanks(end) != '\0')
        return FALSE;
    n = (UINT)value;
    return TRUE;
}

int CCoreGlobalMethods::IsDouble(CString s)
{
    s.Trim();
    const char* start = s;
    char* end = NULL;
    strtod(start, &end);
    return *end == '\0';
}

int CCoreGlobalMethods::IsInt(CString s)
{
    s.Trim();
    const char* start = s;
    char* end = NULL;
    errno = 0;
    strtol(start, &end, 10);
    return *end == '\0' && errno != ERANGE;
}

int CCoreGlobalMethods::FindString(const CStringArray& a, CString s)
{
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (_mbscmp((const unsigned char*)(const char*)a[i], (const unsigned char*)(const char*)s) == 0)
            return (int)i;
    return -1;
}

void CCoreGlobalMethods::Sort(CStringArray& a)
{
    // A stable sort orders exactly as passes of neighbour swaps do, without their quadratic cost.
    std::vector<CString> items(a.GetData(), a.GetData() + a.GetSize());
    std::stable_sort(items.begin(), items.end(), [](const CString& x, const CString& y) {
        return _mbscoll((const unsigned char*)(const char*)x, (const unsigned char*)(const char*)y) < 0;
    });
    for (size_t i = 0; i < items.size(); ++i)
        a[(INT_PTR)i] = items[i];
}

void CCoreGlobalMethods::TruncateWithEllipsis(CString& s, UINT max)
{
    if ((UINT)s.GetLength() <= max)
        return;
    s = (max < 3 ? CString() : s.Left((int)(max - 3))) + "...";
}

CString CCoreGlobalMethods::GetLastErrorString()
{
    DWORD error = ::GetLastError();
    char* message = NULL;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        NULL, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&message, 0, NULL);
    CString text;
    text.Format("%lu %s", (unsigned long)error, length != 0 && message != NULL ? message : "Unknown error");
    if (message != NULL)
        ::LocalFree(message);
    return text;
}

void CCoreGlobalMethods::AppendLastError(CString& s)
{
    CString error = GetLastErrorString(); // before anything else can change the last error
    CString paragraph;
    if (!paragraph.LoadString(IDS_KW_ERROR_INFORMATION))
        paragraph = "\n%s";
    CString appended;
    appended.Format(paragraph, (const char*)error);
    s += appended;
}

int CCoreGlobalMethods::PathNameExist(CString path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int CCoreGlobalMethods::CreateDirectoryA(CString path)
{
    // Each level is named by its full path, so drive roots, UNC shares and forward slashes all
    // work and the process's current directory is never touched.
    if (path.IsEmpty())
        return FALSE;
    char full[MAX_PATH];
    DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, NULL);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
    CString whole(full);
    if (whole.Right(1) != "\\")
        whole += "\\";

    // The first level that can be created follows the root: "C:\" or "\\server\share\".
    int from = 0;
    if (whole.Left(2) == "\\\\")
    {
        int shareEnd = whole.Find('\\', 2);
        from = shareEnd < 0 ? -1 : whole.Find('\\', shareEnd + 1);
    }
    else
    {
        from = whole.Find('\\');
    }
    if (from < 0)
        return FALSE;

    for (int slash = whole.Find('\\', from + 1); slash >= 0; slash = whole.Find('\\', slash + 1))
    {
        CString level = whole.Left(slash);
        DWORD attributes = ::GetFileAttributesA(level);
        if (attributes == INVALID_FILE_ATTRIBUTES)
        {
            if (!::CreateDirectoryA(level, NULL) && ::GetLastError() != ERROR_ALREADY_EXISTS)
                return FALSE;
        }
        else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        {
            return FALSE;
        }
    }
    DWORD attributes = ::GetFileAttributesA(whole);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int CCoreGlobalMethods::BrowseForFolder(CWnd* parent, CString& folder)
{
    CString title;
    title.LoadString(IDS_KW_SELECT_FOLDER);
    char displayName[MAX_PATH] = "";
    CString initial = folder;

    BROWSEINFOA info;
    memset(&info, 0, sizeof(info));
    info.hwndOwner = parent != NULL ? parent->GetSafeHwnd() : NULL;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    info.lpfn = BrowseCallback;
    info.lParam = (LPARAM)(const char*)initial;

    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&info);
    if (pidl == NULL)
        return FALSE;
    char chosen[MAX_PATH] = "";
    BOOL havePath = ::SHGetPathFromIDListA(pidl, chosen);
    FreeItemList(pidl);
    if (!havePath)
        return FALSE;
    folder = chosen;
    return TRUE;
}

int CCoreGlobalMethods::BrowseForImageWithoutChoice(UINT formats, CString& folder, CString& path, bool open)
{
    static const char* const extensions[] = {"*.bmp", "*.jpg", "*.png", "*.pcx", "*.gif"};
    CString list;
    for (UINT bit = 0; bit < sizeof(extensions) / sizeof(extensions[0]); ++bit)
    {
        if (!(formats & (1u << bit)))
            continue;
        if (!list.IsEmpty())
            list += "; ";
        list += extensions[bit];
    }
    CString name;
    if (!name.LoadString(IDS_KW_IMAGE_FILES))
        name = "Image Files";
    // "name (list)|list||" with the bars as the dialog's separating zeros.
    CString filter = name + " (" + list + ")|" + list + "||";
    std::vector<char> filterChars(filter.GetLength() + 1);
    memcpy(filterChars.data(), (const char*)filter, filterChars.size());
    std::replace(filterChars.begin(), filterChars.end(), '|', '\0');

    const DWORD bufferSize = 32 * 1024; // room for any path the dialog may give back
    std::vector<char> file(bufferSize, '\0');
    if ((DWORD)path.GetLength() < bufferSize)
        memcpy(file.data(), (const char*)path, path.GetLength());

    OPENFILENAMEA ofn;
    memset(&ofn, 0, sizeof(ofn));
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = AfxGetMainWnd() != NULL ? AfxGetMainWnd()->GetSafeHwnd() : NULL;
    ofn.lpstrFilter = filterChars.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = bufferSize;
    ofn.lpstrInitialDir = folder.IsEmpty() ? NULL : (const char*)folder;
    ofn.lpstrDefExt = "png";
    // A file to save to need not exist yet; one to open must.
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (open)
        ofn.Flags |= OFN_FILEMUSTEXIST;

    BOOL ok = open ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (!ok)
        return FALSE;
    path = file.data();
    folder = path.Left(ofn.nFileOffset);
    if (!folder.IsEmpty() && folder.Right(1) != "\\")
        folder += "\\";
    return TRUE;
}

void CCoreGlobalMethods::StringListToCombo(HWND dlg, UINT id, const CStringList& list)
{
    ::SendDlgItemMessageA(dlg, (int)id, CB_RESETCONTENT, 0, 0);
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        ::SendDlgItemMessageA(dlg, (int)id, CB_ADDSTRING, 0, (LPARAM)(const char*)list.GetNext(pos));
}

int CCoreGlobalMethods::SelectStringInCombo(HWND dlg, UINT id, CString s)
{
    // CB_FINDSTRINGEXACT ignores case; the items are compared here as they are.
    int count = (int)::SendDlgItemMessageA(dlg, (int)id, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        int length = (int)::SendDlgItemMessageA(dlg, (int)id, CB_GETLBTEXTLEN, (WPARAM)i, 0);
        if (length != s.GetLength())
            continue;
        std::vector<char> text((size_t)length + 1, '\0');
        ::SendDlgItemMessageA(dlg, (int)id, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text.data());
        if (s == text.data())
        {
            ::SendDlgItemMessageA(dlg, (int)id, CB_SETCURSEL, (WPARAM)i, 0);
            return TRUE;
        }
    }
    return FALSE;
}

void CCoreGlobalMethods::UpdateScrollerForListBox(CListBox& lb)
{
    HWND hWnd = lb.GetSafeHwnd();
    if (hWnd == NULL)
        return;
    HDC hdc = ::GetDC(hWnd);
    if (hdc == NULL)
        return;
    HGDIOBJ hOldFont = NULL;
    if (HFONT hFont = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0))
        hOldFont = ::SelectObject(hdc, hFont);
    int widest = 0;
    for (int i = 0, count = lb.GetCount(); i < count; ++i)
    {
        CString text;
        lb.GetText(i, text);
        SIZE size = {0, 0};
        if (::GetTextExtentPoint32A(hdc, text, text.GetLength(), &size))
            widest = std::max(widest, (int)size.cx);
    }
    if (hOldFont != NULL)
        ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(hWnd, hdc);
    lb.SetHorizontalExtent((int)(widest * 1.1));
}

int CCoreGlobalMethods::FindNearestSide(const CRect& rc, const CPoint& pt)
{
    const long long distances[4] = {
        llabs((long long)pt.x - rc.left), llabs((long long)pt.x - rc.right),
        llabs((long long)pt.y - rc.top), llabs((long long)pt.y - rc.bottom)};
    int nearest = 0;
    for (int side = 1; side < 4; ++side)
        if (distances[side] < distances[nearest])
            nearest = side;
    return nearest;
}

void CCoreGlobalMethods::CreateBoldFont(CFont& src, CFont& dst)
{
    LOGFONT logFont;
    if (!src.GetLogFont(&logFont))
        return;
    logFont.lfWeight = 600;
    dst.DeleteObject();
    dst.CreateFontIndirect(&logFont);
}

void CCoreGlobalMethods::ReplaceColor(CDC& dc, const CRect& rc, COLORREF from, COLORREF to)
{
    HDC hdc = dc.GetSafeHdc();
    const int width = rc.Width(), height = rc.Height();
    if (hdc == NULL || width <= 0 || height <= 0)
        return;

    // The replacement colour everywhere, and a mask with 1 where the rectangle shows from.
    CMemorySurface colour(hdc, ::CreateCompatibleBitmap(hdc, width, height));
    CMemorySurface mask(hdc, ::CreateBitmap(width, height, 1, 1, NULL));
    if (!colour.IsReady() || !mask.IsReady())
        return;
    ::SetBkColor(colour.m_hdc, to);
    RECT whole = {0, 0, width, height};
    ::ExtTextOutA(colour.m_hdc, 0, 0, ETO_OPAQUE, &whole, NULL, 0, NULL);

    COLORREF oldBack = ::SetBkColor(hdc, from);
    ::BitBlt(mask.m_hdc, 0, 0, width, height, hdc, rc.left, rc.top, SRCCOPY);
    ::SetBkColor(hdc, oldBack);

    // A mask drawn onto colour expands 1 to the background (white) and 0 to the text colour
    // (black), so both DCs get those colours while the mask is applied.
    ::SetBkColor(colour.m_hdc, RGB(255, 255, 255));
    ::SetTextColor(colour.m_hdc, RGB(0, 0, 0));
    ::BitBlt(colour.m_hdc, 0, 0, width, height, mask.m_hdc, 0, 0, SRCAND);

    oldBack = ::SetBkColor(hdc, RGB(255, 255, 255));
    COLORREF oldText = ::SetTextColor(hdc, RGB(0, 0, 0));
    ::BitBlt(hdc, rc.left, rc.top, width, height, mask.m_hdc, 0, 0, ROP_DEST_AND_NOT_SOURCE);
    ::BitBlt(hdc, rc.left, rc.top, width, height, colour.m_hdc, 0, 0, SRCPAINT);
    ::SetBkColor(hdc, oldBack);
    ::SetTextColor(hdc, oldText);
}

int CCoreGlobalMethods::HandleMouseWheel(HWND wnd, UINT flags, short delta, CPoint pt)
{
    UINT lines = GetWheelScrollLines();
    long long steps;
    WPARAM up = SB_LINEUP, down = SB_LINEDOWN;
    if (lines == WHEEL_PAGESCROLL)
    {
        // The user scrolls a page per notch.
        steps = delta / WHEEL_DELTA;
        up = SB_PAGEUP;
        down = SB_PAGEDOWN;
    }
    else
    {
        steps = (long long)lines * delta / WHEEL_DELTA;
    }
    for (long long i = 0; i < llabs(steps); ++i)
        ::PostMessageA(wnd, WM_VSCROLL, steps > 0 ? up : down, 0);
    return TRUE;
}

UINT CCoreGlobalMethods::GetWheelScrollLines()
{
    if (g_wheel.lines != 0)
        return g_wheel.lines;
    if (g_wheel.state == 0)
    {
        g_wheel.message = ::RegisterWindowMessageA("MSH_SCROLL_LINES_MSG");
        g_wheel.state = g_wheel.message != 0 ? 2 : 1;
    }
    UINT lines = 0;
    bool fromHelper = false;
    if (g_wheel.state == 2)
    {
        if (HWND helper = ::FindWindowA("MouseZ", "Magellan MSWHEEL"))
        {
            // A helper that hangs must not hang us.
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutA(helper, g_wheel.message, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
            {
                lines = (UINT)answer;
                fromHelper = true;
            }
        }
    }
    if (!fromHelper)
        lines = SystemWheelLines();
    g_wheel.lines = lines;
    return lines;
}

void CCoreGlobalMethods::ForgetWheelScrollLines()
{
    g_wheel = WheelCache();
}

void CCoreGlobalMethods::AppendFilterSuffix(CString& filter, OPENFILENAME& ofn, CDocTemplate* tmpl, CString* defExt)
{
    AfxAppendFilterSuffix(filter, ofn, tmpl, defExt);
}

void CCoreGlobalMethods::GetDocList(CList<CDocument*, CDocument*>& list)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
            list.AddTail(pTemplate->GetNextDoc(posDoc));
    }
}
