// SpreadsheetObject.h: CSpreadsheetObject, one object of an automation server that answers as
// the spreadsheet program does to the members the toolkit calls (the application, its workbooks,
// a workbook, its sheets, a sheet or a window). The server keeps its workbooks and sheets in
// memory and logs every call, one line each: the object, get/put/call, the member and its
// arguments; a paste adds the text it received.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

class CSpreadsheetObject : public IDispatch
{
public:
    // The class object: each instance asked for is a new application.
    class CFactory : public IClassFactory
    {
    public:
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        // Lives as long as the test program.
        STDMETHODIMP_(ULONG) AddRef() override { return 2; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
        STDMETHODIMP LockServer(BOOL) override { return S_OK; }
    };

    enum EKind { Application, Workbooks, Workbook, Worksheets, Worksheet, Window };
    CSpreadsheetObject(EKind kind, int app, int book = 0, int sheet = 0);
    virtual ~CSpreadsheetObject() { s_nLive--; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;

    // What a failing paste reports.
    static const HRESULT kPasteError = (HRESULT)0x800A03EC;
    // The server's memory: each application's visibility and workbooks (sheet count and active
    // sheet), the log, the member that fails ("Paste" through an exception report, any other
    // as a program the user closed) and the objects still referenced.
    struct CBook
    {
        int sheets, active;
    };
    struct CApp
    {
        bool visible;
        std::vector<CBook> books;
    };
    static std::vector<CApp> s_apps;
    static std::string s_log;
    static std::wstring s_failing;
    static int s_nLive;

private:
    std::string GetName() const;
    static std::string Describe(const VARIANT& v);
    HRESULT Call(const std::wstring& member, WORD flags, const DISPPARAMS* params, VARIANT* result);
    HRESULT Return(VARIANT* result, EKind kind, int book = 0, int sheet = 0);

    LONG m_nRefs;
    EKind m_kind;
    int m_nApp, m_nBook, m_nSheet;
};
