// afxdd_.cpp: the data exchange and validation functions.
#include "afxdd_.h"
#include "afxctrltext.h"
#include "CNotSupportedException.h"
#include "CWinApp.h"
#include "CWnd.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Text ------------------------------------------------------------------------------------------

static const char* AfxSkipSpace(const char* p)
{
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
        p++;
    return p;
}

// A whole decimal number with optional surrounding blanks, within [lo, hi].
static bool AfxParseInteger(const char* psz, bool bSigned, long long lo, unsigned long long hi, long long& result)
{
    const char* p = AfxSkipSpace(psz);
    if (!bSigned && *p == '-')
        return false;
    char* pEnd = NULL;
    errno = 0;
    long long value;
    if (bSigned)
        value = strtoll(p, &pEnd, 10);
    else
    {
        unsigned long long u = strtoull(p, &pEnd, 10);
        if (u > hi)
            return false;
        value = (long long)u;
    }
    if (pEnd == p || errno == ERANGE || *AfxSkipSpace(pEnd) != '\0')
        return false;
    if (bSigned && (value < lo || value > (long long)hi))
        return false;
    result = value;
    return true;
}

static void AfxFailParse(CDataExchange* pDX, LPCTSTR lpszPrompt)
{
    AfxMessageBox(lpszPrompt);
    pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxGetCtrlText(hWndCtrl);
    else
        AfxSetWindowText(hWndCtrl, value);
}

// The signed and unsigned numbers share one path: text to a range-checked 64-bit value.
static bool AfxTextInteger(CDataExchange* pDX, int nIDC, bool bSigned, long long lo, unsigned long long hi,
    long long& value, LPCTSTR lpszPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        if (!AfxParseInteger(AfxGetCtrlText(hWndCtrl), bSigned, lo, hi, value))
            AfxFailParse(pDX, lpszPrompt);
        return true;
    }
    char szBuffer[32];
    if (bSigned)
        snprintf(szBuffer, sizeof(szBuffer), "%lld", value);
    else
        snprintf(szBuffer, sizeof(szBuffer), "%llu", (unsigned long long)value);
    AfxSetWindowText(hWndCtrl, szBuffer);
    return false;
}

static const char szParseInt[] = "Please enter an integer.";
static const char szParseUInt[] = "Please enter a positive integer.";

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long v = value;
    if (AfxTextInteger(pDX, nIDC, true, INT_MIN, INT_MAX, v, szParseInt))
        value = (int)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    long long v = value;
    if (AfxTextInteger(pDX, nIDC, true, LONG_MIN, LONG_MAX, v, szParseInt))
        value = (long)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long v = value;
    if (AfxTextInteger(pDX, nIDC, false, 0, UINT_MAX, v, szParseUInt))
        value = (UINT)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    long long v = value;
    if (AfxTextInteger(pDX, nIDC, false, 0, 0xFFFFFFFFull, v, szParseUInt))
        value = (DWORD)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        CString str = AfxGetCtrlText(hWndCtrl);
        const char* p = AfxSkipSpace(str);
        char* pEnd = NULL;
        errno = 0;
        double d = strtod(p, &pEnd);
        if (pEnd == p || errno == ERANGE || !std::isfinite(d) || *AfxSkipSpace(pEnd) != '\0')
            AfxFailParse(pDX, "Please enter a number.");
        value = d;
    }
    else
    {
        char szBuffer[64];
        snprintf(szBuffer, sizeof(szBuffer), "%.*g", 15, value);
        AfxSetWindowText(hWndCtrl, szBuffer);
    }
}

// Buttons ---------------------------------------------------------------------------------------

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
    {
        if (value < 0 || value > 2)
            value = 0; // not a check state
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control that starts a group; other controls inside
    // it are skipped without counting.
    int iButton = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (value == -1 && ::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// Combo and list boxes --------------------------------------------------------------------------

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // A drop-down list has no edit text: its text is the selected item's, of any length.
        if ((::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
            value = AfxGetItemText(hWndCtrl, (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0), CB_GETLBTEXTLEN,
                CB_GETLBTEXT);
        else
            value = AfxGetCtrlText(hWndCtrl);
    }
    else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        AfxSetWindowText(hWndCtrl, value); // a drop-down list ignores it
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
    {
        DDX_CBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int i = (int)::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i < 0)
        AfxSetWindowText(hWndCtrl, value);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)i, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxGetItemText(hWndCtrl, (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0), LB_GETTEXTLEN, LB_GETTEXT);
    else
        ::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int i = (int)::SendMessageA(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i >= 0)
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)i, 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return; // subclassed by an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    // Another object owning the control already is a programming error the caller must see.
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

// Validation ------------------------------------------------------------------------------------

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
    {
        CString strPrompt;
        strPrompt.Format("Please enter no more than %d characters.", nChars);
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    else if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
}

// Out-of-range values the program put in are left alone; typed ones fail the exchange.
static void AfxFailMinMax(CDataExchange* pDX, const char* pszKind, const char* pszMin, const char* pszMax)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    CString strPrompt;
    strPrompt.Format("Please enter %s between %s and %s.", pszKind, pszMin, pszMax);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

static void AfxMinMaxInteger(CDataExchange* pDX, long long value, long long minVal, long long maxVal)
{
    if (value >= minVal && value <= maxVal)
        return;
    char szMin[32], szMax[32];
    snprintf(szMin, sizeof(szMin), "%lld", minVal);
    snprintf(szMax, sizeof(szMax), "%lld", maxVal);
    AfxFailMinMax(pDX, "an integer", szMin, szMax);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    AfxMinMaxInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    AfxMinMaxInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    AfxMinMaxInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    AfxMinMaxInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (value >= minVal && value <= maxVal)
        return;
    char szMin[64], szMax[64];
    snprintf(szMin, sizeof(szMin), "%.*g", 15, minVal);
    snprintf(szMax, sizeof(szMax), "%.*g", 15, maxVal);
    AfxFailMinMax(pDX, "a number", szMin, szMax);
}
