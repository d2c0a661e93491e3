// ExcelTypeLibrary.h: the spreadsheet program's automation interfaces that the toolkit uses,
// declared by hand under the program's own IIDs, with smart pointers. Members are reached late,
// by name through IDispatch, so only the names below must match the program's.
#pragma once

#include "core/ComSupport.h"

struct _Application;
struct Workbooks;
struct _Workbook;
struct _Worksheet;
__CRT_UUID_DECL(_Application, 0x000208D5, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(Workbooks, 0x000208DB, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(_Workbook, 0x000208DA, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(_Worksheet, 0x000208D8, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
_COM_SMARTPTR_TYPEDEF(_Application, __uuidof(_Application));
_COM_SMARTPTR_TYPEDEF(Workbooks, __uuidof(Workbooks));
_COM_SMARTPTR_TYPEDEF(_Workbook, __uuidof(_Workbook));
_COM_SMARTPTR_TYPEDEF(_Worksheet, __uuidof(_Worksheet));

// Window states of the program's windows.
const long xlMaximized = -4137;

// Every member raises _com_error with the failing call's result; its error information names the
// interface and keeps what the program reported.
struct _Application : IDispatch
{
    VARIANT_BOOL GetVisible();
    void PutVisible(VARIANT_BOOL visible);
    void PutWindowState(long state);
    // Set when the user, not the automation client, is in charge of the program: it then stays
    // open when the last reference goes.
    void PutUserControl(VARIANT_BOOL user);
    WorkbooksPtr GetWorkbooks();
    _WorkbookPtr GetActiveWorkbook();
    IDispatchPtr GetActiveWindow();
};

struct Workbooks : IDispatch
{
    long GetCount();
    _WorkbookPtr Add(const _variant_t& templ);
};

struct _Workbook : IDispatch
{
    IDispatchPtr GetWorksheets();
    IDispatchPtr GetActiveSheet();
};

struct _Worksheet : IDispatch
{
    void Paste(const _variant_t& destination, const _variant_t& link);
};
