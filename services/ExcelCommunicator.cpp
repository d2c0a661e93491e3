// ExcelCommunicator.cpp: see ExcelCommunicator.h.
#include "services/ExcelCommunicator.h"

#include <string.h>

namespace
{
// Raises E_POINTER for an interface the program did not give.
template <class TPtr> TPtr& Need(TPtr& pointer)
{
    if (!pointer)
        _com_issue_error(E_POINTER);
    return pointer;
}

// The sheets collection and the window are reached through IDispatch under the program's DISPIDs.
const DISPID kDispidCount = 0x76;
const DISPID kDispidItem = 0xAA;
const DISPID kDispidAdd = 0xB5;
const DISPID kDispidWindowState = 0x18C;
} // namespace

CExcelCommunicator::CExcelCommunicator()
{
}

CExcelCommunicator::CExcelCommunicator(const CExcelCommunicator& other) : m_pApplication(other.m_pApplication)
{
}

CExcelCommunicator& CExcelCommunicator::operator=(const CExcelCommunicator& other)
{
    m_pApplication = other.m_pApplication;
    return *this;
}

CExcelCommunicator::~CExcelCommunicator()
{
}

bool CExcelCommunicator::InsertTextIntoExcel(CString text)
{
    // A program the user has hidden is left to the user.
    if (m_pApplication && !m_pApplication->GetVisible())
        m_pApplication = nullptr;
    if (!m_pApplication && !StartExcel())
        return false;
    _WorksheetPtr sheet = AddSheet();
    // Pasting without the text in place would paste whatever the clipboard held before.
    if (!InsertTextIntoClipBoard(text))
        return false;
    sheet->Paste(vtMissing, vtMissing);
    return true;
}

bool CExcelCommunicator::StartExcel()
{
    CLSID clsid;
    if (FAILED(::CLSIDFromProgID(L"Excel.Application", &clsid)))
        return false;
    _Application* application = NULL;
    if (FAILED(::CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                  __uuidof(_Application), (void**)&application)) ||
        application == NULL)
        return false;
    m_pApplication.Attach(application);
    m_pApplication->PutWindowState(xlMaximized);
    m_pApplication->PutVisible(VARIANT_TRUE);
    return true;
}

// The sheet that receives the text: the first of a new workbook when none is open, otherwise a new
// one after the last sheet of the active workbook, so that no earlier sheet is written to.
_WorksheetPtr CExcelCommunicator::AddSheet()
{
    WorkbooksPtr workbooks = Need(m_pApplication)->GetWorkbooks();
    _WorkbookPtr workbook;
    if (Need(workbooks)->GetCount() == 0)
    {
        m_pApplication->PutUserControl(VARIANT_TRUE);
        workbook = workbooks->Add(vtMissing);
        IDispatchPtr window = m_pApplication->GetActiveWindow();
        _com_dispatch_propput(Need(window), kDispidWindowState, VT_I4, xlMaximized);
    }
    else
    {
        workbook = m_pApplication->GetActiveWorkbook();
        IDispatchPtr sheets = Need(workbook)->GetWorksheets();
        long count = 0;
        _com_dispatch_propget(Need(sheets), kDispidCount, VT_I4, &count);
        _variant_t index(count);
        IDispatch* last = NULL;
        _com_dispatch_method(sheets, kDispidItem, DISPATCH_PROPERTYGET, VT_DISPATCH, &last, L"\x000c", &index);
        _variant_t after(last, false);
        IDispatch* added = NULL;
        _com_dispatch_method(sheets, kDispidAdd, DISPATCH_METHOD, VT_DISPATCH, &added, L"\x000c\x000c\x000c\x000c",
                             &vtMissing, &after, &vtMissing, &vtMissing);
        // The new sheet is the active one now; its reference is not kept.
        IDispatchPtr release(added, false);
    }
    _WorksheetPtr sheet = Need(workbook)->GetActiveSheet();
    return Need(sheet);
}

bool CExcelCommunicator::ActivateExcel()
{
    if (!m_pApplication)
        return false;
    m_pApplication->PutVisible(VARIANT_TRUE);
    return true;
}

void CExcelCommunicator::ClearExcelAppObject()
{
    m_pApplication = nullptr;
}

bool CExcelCommunicator::InsertTextIntoClipBoard(CString text)
{
    if (!::OpenClipboard(NULL))
        return false;
    bool done = false;
    SIZE_T size = (SIZE_T)text.GetLength() + 1;
    HGLOBAL block = ::EmptyClipboard() ? ::GlobalAlloc(GMEM_MOVEABLE, size) : NULL;
    if (block != NULL)
    {
        void* data = ::GlobalLock(block);
        if (data != NULL)
        {
            memcpy(data, (const char*)text, size);
            ::GlobalUnlock(block);
            done = ::SetClipboardData(CF_TEXT, block) != NULL;
        }
        // The clipboard owns the block only once it took it.
        if (!done)
            ::GlobalFree(block);
    }
    ::CloseClipboard();
    return done;
}
