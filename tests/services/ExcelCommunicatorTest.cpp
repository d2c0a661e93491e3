// The spreadsheet export against an automation server of the tests' own, in-process and
// registered as "Excel.Application": the calls it receives, in order and with their arguments,
// the text each paste receives, and the clipboard.
#include "services/ExcelCommunicator.h"

#include "SpreadsheetObject.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
// {6C1F3A4E-2B7D-4E0A-9C55-1D2E3F405162}
const CLSID kServer = {0x6c1f3a4e, 0x2b7d, 0x4e0a, {0x9c, 0x55, 0x1d, 0x2e, 0x3f, 0x40, 0x51, 0x62}};
// The ProgID goes to the current user's classes. COM under Wine reads only the machine's: there
// it goes into the test's own prefix.
const bool kWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
const HKEY kRoot = kWine ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
const char* kProgId = kWine ? "Excel.Application" : "Software\\Classes\\Excel.Application";

class ExcelCommunicatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
        CSpreadsheetObject::s_apps.clear();
        CSpreadsheetObject::s_log.clear();
        CSpreadsheetObject::s_failing.clear();
        ASSERT_TRUE(SUCCEEDED(::CoRegisterClassObject(kServer, &m_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                                      &m_nCookie)));
        RegisterProgId();
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(kRoot, kProgId);
        ::CoRevokeClassObject(m_nCookie);
        ::CoUninitialize();
    }
    static void RegisterProgId()
    {
        ::RegSetKeyValueA(kRoot, (kProgId + std::string("\\CLSID")).c_str(), NULL, REG_SZ,
                          "{6C1F3A4E-2B7D-4E0A-9C55-1D2E3F405162}", 39);
    }
    static std::string TakeLog()
    {
        std::string log;
        log.swap(CSpreadsheetObject::s_log);
        return log;
    }
    // The error a call raised: its code, the interface named and the description ("" for none).
    static std::string ErrorOf(const std::function<void()>& call)
    {
        try
        {
            call();
        }
        catch (const _com_error& e)
        {
            char code[32];
            snprintf(code, sizeof(code), "%08lX %08lX", (unsigned long)e.Error(), (unsigned long)e.GUID_().Data1);
            _bstr_t description = e.Description();
            return description.length() ? code + std::string(" ") + (const char*)description : code;
        }
        return "";
    }
    static std::string Clipboard()
    {
        std::string text = "(none)";
        HANDLE data = ::OpenClipboard(NULL) ? ::GetClipboardData(CF_TEXT) : NULL;
        if (const char* p = data != NULL ? (const char*)::GlobalLock(data) : NULL)
            text = p, ::GlobalUnlock(data);
        ::CloseClipboard();
        return text;
    }
    CSpreadsheetObject::CFactory m_factory;
    DWORD m_nCookie = 0;
};

// The first export's calls, made by the n-th application started.
std::string FirstExport(char n, const char* text)
{
    std::string log = "App1 created\n"
                      "App1 put WindowState(-4137)\n"
                      "App1 put Visible(true)\n"
                      "App1 get Workbooks()\n"
                      "App1.Workbooks get Count()\n"
                      "App1 put UserControl(true)\n"
                      "App1.Workbooks call Add(missing)\n"
                      "App1 get ActiveWindow()\n"
                      "App1.Window put WindowState(-4137)\n"
                      "Book1 get ActiveSheet()\n"
                      "Book1.Sheet1 call Paste(missing,missing)\n"
                      "pasted '" + std::string(text) + "'\n";
    for (size_t at = 0; (at = log.find("App1", at)) != std::string::npos; at++)
        log[at + 3] = n;
    return log;
}

TEST_F(ExcelCommunicatorTest, FirstExportOpensAMaximisedProgramAndLaterOnesAddASheetAfterTheLast)
{
    CExcelCommunicator excel;
    const char* text = "a\tb\r\n3\t4\r\n";
    ASSERT_TRUE(excel.InsertTextIntoExcel(text));
    EXPECT_EQ(FirstExport('1', text), TakeLog());
    EXPECT_EQ(text, Clipboard());

    // A copy talks to the same program; the earlier sheets are left as they are.
    CExcelCommunicator copy(excel);
    ASSERT_TRUE(copy.InsertTextIntoExcel("x"));
    ASSERT_TRUE(excel.InsertTextIntoExcel(""));
    const char* next = "App1 get Visible()\n"
                       "App1 get Workbooks()\n"
                       "App1.Workbooks get Count()\n"
                       "App1 get ActiveWorkbook()\n"
                       "Book1 get Worksheets()\n"
                       "Book1.Worksheets get Count()\n"
                       "Book1.Worksheets get Item(%d)\n"
                       "Book1.Worksheets call Add(missing,Book1.Sheet%d,missing,missing)\n"
                       "Book1 get ActiveSheet()\n"
                       "Book1.Sheet%d call Paste(missing,missing)\n"
                       "pasted '%s'\n";
    char expected[2048];
    int n = snprintf(expected, sizeof(expected), next, 1, 1, 2, "x");
    snprintf(expected + n, sizeof(expected) - n, next, 2, 2, 3, "");
    EXPECT_EQ(expected, TakeLog());
    EXPECT_EQ("", Clipboard());
}

TEST_F(ExcelCommunicatorTest, FailingMembersRaiseTheirResultAndAProgramHiddenOrClosedIsReplaced)
{
    CExcelCommunicator excel;
    EXPECT_FALSE(excel.ActivateExcel());
    ASSERT_TRUE(excel.InsertTextIntoExcel("first"));
    CSpreadsheetObject::s_failing = L"Paste";
    EXPECT_EQ("800A03EC 000208D8 Paste failed", ErrorOf([&] { excel.InsertTextIntoExcel("second"); }));
    // What was obtained on the way is released; the program is held.
    EXPECT_EQ(1, CSpreadsheetObject::s_nLive);

    // A program the user closed fails on the first call; the caller may then start afresh.
    CSpreadsheetObject::s_failing = L"Visible";
    TakeLog();
    EXPECT_EQ("80010108 000208D5", ErrorOf([&] { excel.ActivateExcel(); }));
    EXPECT_EQ("80010108 000208D5", ErrorOf([&] { excel.InsertTextIntoExcel("third"); }));
    EXPECT_EQ("App1 put Visible(true)\nApp1 get Visible()\n", TakeLog());
    CSpreadsheetObject::s_failing.clear();
    excel.ClearExcelAppObject();
    ASSERT_TRUE(excel.InsertTextIntoExcel("third"));
    EXPECT_EQ(FirstExport('2', "third"), TakeLog());

    // One the user has hidden is left to the user.
    CSpreadsheetObject::s_apps[1].visible = false;
    ASSERT_TRUE(excel.InsertTextIntoExcel("fourth"));
    EXPECT_EQ("App2 get Visible()\n" + FirstExport('3', "fourth"), TakeLog());
    excel.ClearExcelAppObject();
    EXPECT_EQ(0, CSpreadsheetObject::s_nLive);
}

TEST_F(ExcelCommunicatorTest, NothingIsPastedWithoutTheProgramOrWithoutTheText)
{
    ::RegDeleteTreeA(kRoot, kProgId);
    CExcelCommunicator excel;
    EXPECT_FALSE(excel.InsertTextIntoExcel("text"));
    EXPECT_EQ("", TakeLog());
    RegisterProgId();

    // A window holding the clipboard open keeps the text out.
    ASSERT_TRUE(excel.InsertTextIntoExcel("earlier"));
    HWND holder = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    ASSERT_TRUE(::OpenClipboard(holder));
    TakeLog();
    EXPECT_FALSE(excel.InsertTextIntoExcel("new"));
    ::CloseClipboard();
    ::DestroyWindow(holder);
    std::string log = TakeLog();
    EXPECT_EQ(std::string::npos, log.find("Paste")) << log;
    EXPECT_EQ("earlier", Clipboard());
}
} // namespace
