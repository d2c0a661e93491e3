// ExcelCommunicator.h: CExcelCommunicator, which pastes a block of text (cells separated by tabs,
// one line per row) into a fresh sheet of the spreadsheet program, through COM automation.
#pragma once

#include "core/KwUiExport.h"
#include "services/ExcelTypeLibrary.h"

#include <afxwin.h>

// Failing automation calls raise _com_error to the caller, who may then forget the program
// (ClearExcelAppObject) and try again. The caller's thread has initialised COM.
class KWUI_API CExcelCommunicator
{
public:
    CExcelCommunicator();
    // Copies share the program: successive exports go to the same window.
    CExcelCommunicator(const CExcelCommunicator& other);
    CExcelCommunicator& operator=(const CExcelCommunicator& other);
    // The program stays open.
    virtual ~CExcelCommunicator();

    // False when the program could not be started or the text could not be put on the clipboard
    // (nothing is pasted then); true when the text was pasted into a new sheet.
    bool InsertTextIntoExcel(CString text);
    // False when no program is held; otherwise shows it.
    bool ActivateExcel();
    void ClearExcelAppObject();

private:
    bool StartExcel();
    _WorksheetPtr AddSheet();
    static bool InsertTextIntoClipBoard(CString text);

    _ApplicationPtr m_pApplication;
};
