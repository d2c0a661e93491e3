// Dialog templates read without the dialog: both forms from resources compiled for the tests,
// names and ordinals, combo detection, truncated copies refused by the checked forms, and the
// pixels compared with where the dialog manager puts the same controls.
#include "core/DlgTemplateTools.h"
#include "DlgTemplateTest.rh"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

typedef CDlgTemplateTools T;

struct CResourceTemplate
{
    const DLGTEMPLATE* m_t;
    DWORD m_dwSize;
};

CResourceTemplate Load(UINT id)
{
    HRSRC hRes = ::FindResourceA(NULL, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    EXPECT_TRUE(hRes != NULL) << id;
    HGLOBAL hGlobal = hRes != NULL ? ::LoadResource(NULL, hRes) : NULL;
    return {hGlobal != NULL ? (const DLGTEMPLATE*)::LockResource(hGlobal) : NULL,
        hRes != NULL ? ::SizeofResource(NULL, hRes) : 0};
}

std::string Describe(const T::CItemInfo& info)
{
    char text[80];
    snprintf(text, sizeof(text), "%lu (%d,%d,%d,%d)%s", (unsigned long)info.m_dwId, info.m_x, info.m_y, info.m_cx,
        info.m_cy, info.m_bComboBox ? " combo" : "");
    return text;
}

std::string Describe(const T::CDialogInfo& dialog)
{
    char text[80];
    snprintf(text, sizeof(text), "%lu items (%d,%d,%d,%d)", (unsigned long)dialog.m_dwItemCount, dialog.m_x,
        dialog.m_y, dialog.m_cx, dialog.m_cy);
    return text;
}

std::string Text(const CRect& rc)
{
    char text[64];
    snprintf(text, sizeof(text), "(%ld,%ld,%ld,%ld)", (long)rc.left, (long)rc.top, (long)rc.right, (long)rc.bottom);
    return text;
}

// Every item through the bare walk, as "id (x,y,cx,cy) combo".
std::vector<std::string> Items(const DLGTEMPLATE* t)
{
    T::CDialogInfo dialog;
    T::GetDialogInfo(t, dialog);
    std::vector<std::string> items;
    const DLGITEMTEMPLATE* item = T::FindFirstItem(t);
    for (DWORD i = 0; i < dialog.m_dwItemCount; ++i, item = T::FindNextItem(t, item))
    {
        T::CItemInfo info;
        T::GetItemInfo(t, item, info);
        items.push_back(Describe(info));
    }
    return items;
}

// The same walk through the checked forms, which must agree and end with NULL.
std::vector<std::string> CheckedItems(const DLGTEMPLATE* t, DWORD size)
{
    std::vector<std::string> items;
    for (const DLGITEMTEMPLATE* item = T::FindFirstItem(t, size); item != NULL; item = T::FindNextItem(t, size, item))
    {
        T::CItemInfo info;
        EXPECT_TRUE(T::GetItemInfo(t, size, item, info));
        items.push_back(Describe(info));
    }
    return items;
}

const std::vector<std::string> designedItems = {"101 (7,7,60,80) combo", "102 (7,25,61,81) combo", "103 (80,7,73,13)",
    "104 (80,25,33,9)", "105 (7,45,70,41)", "1 (103,79,50,15)"};

TEST(DlgTemplate, BothFormsOfOneDialogGiveTheSameItems)
{
    for (UINT id : {IDD_TPL_CLASSIC, IDD_TPL_EX})
    {
        CResourceTemplate res = Load(id);
        ASSERT_TRUE(res.m_t != NULL);
        EXPECT_EQ(id == IDD_TPL_EX, T::IsDialogEx(res.m_t) != 0);
        T::CDialogInfo dialog;
        T::GetDialogInfo(res.m_t, dialog);
        EXPECT_EQ("6 items (0,0,160,100)", Describe(dialog));
        EXPECT_EQ(designedItems, Items(res.m_t)) << id;
        EXPECT_EQ(designedItems, CheckedItems(res.m_t, res.m_dwSize)) << id;
    }
}

TEST(DlgTemplate, NamesOrdinalsAndCreationDataAreSkipped)
{
    CResourceTemplate names = Load(IDD_TPL_NAMES);
    T::CDialogInfo dialog;
    ASSERT_TRUE(T::GetDialogInfo(names.m_t, names.m_dwSize, dialog));
    EXPECT_EQ("5 items (2,3,90,40)", Describe(dialog));
    const std::vector<std::string> expected = {"201 (1,2,3,4)", "202 (5,6,7,8)", "203 (9,10,11,12) combo",
        "70000 (-3,-4,20,10)", "205 (13,14,15,16) combo"};
    EXPECT_EQ(expected, Items(names.m_t));
    EXPECT_EQ(expected, CheckedItems(names.m_t, names.m_dwSize));

    CResourceTemplate ordinals = Load(IDD_TPL_ORDINALS);
    EXPECT_EQ((std::vector<std::string>{"301 (1,2,3,4)", "302 (5,6,7,8) combo"}),
        CheckedItems(ordinals.m_t, ordinals.m_dwSize));
}

TEST(DlgTemplate, FindItemReturnsTheFirstWithTheIdOrNull)
{
    CResourceTemplate res = Load(IDD_TPL_NAMES);
    const DLGITEMTEMPLATE* item = T::FindItem(res.m_t, 70000);
    ASSERT_TRUE(item != NULL);
    EXPECT_EQ(T::FindFirstItem(res.m_t, res.m_dwSize), T::FindItem(res.m_t, 201));
    EXPECT_EQ(item, T::FindItem(res.m_t, res.m_dwSize, 70000));
    EXPECT_EQ(NULL, T::FindItem(res.m_t, 70000 & 0xFFFF));
    EXPECT_EQ(NULL, T::FindItem(res.m_t, 204));
    EXPECT_EQ(NULL, T::FindItem(res.m_t, res.m_dwSize, 204));

    // With a count of 0 nothing is an item, whatever follows the header.
    std::vector<BYTE> copy((const BYTE*)res.m_t, (const BYTE*)res.m_t + res.m_dwSize);
    copy[16] = copy[17] = 0;
    const DLGTEMPLATE* none = (const DLGTEMPLATE*)copy.data();
    EXPECT_EQ(NULL, T::FindItem(none, 201));
    EXPECT_EQ(NULL, T::FindFirstItem(none, (DWORD)copy.size()));
    EXPECT_TRUE(T::IsValidTemplate(none, (DWORD)copy.size()));
}

// Builds templates byte by byte, for what the resource compiler will not write: class names
// in mixed case (it capitalises them) and creation data in the classic form.
class CTemplateBuilder
{
public:
    void Word(WORD w) { m_bytes.insert(m_bytes.end(), {(BYTE)w, (BYTE)(w >> 8)}); }
    void Dword(DWORD dw)
    {
        Word((WORD)dw);
        Word((WORD)(dw >> 16));
    }
    void String(const char* text)
    {
        for (; *text != '\0'; ++text)
            Word((BYTE)*text);
        Word(0);
    }
    void Ordinal(WORD w)
    {
        Word(0xFFFF);
        Word(w);
    }
    void Align()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    void ClassicItem(WORD id, short x, short y)
    {
        Align();
        Dword(WS_CHILD);
        Dword(0);
        for (short v : {x, y, (short)10, (short)12})
            Word((WORD)v);
        Word(id);
    }
    const DLGTEMPLATE* Get() const { return (const DLGTEMPLATE*)m_bytes.data(); }
    DWORD Size() const { return (DWORD)m_bytes.size(); }
    std::vector<BYTE> m_bytes;
};

TEST(DlgTemplate, OnlyTheExactComboBoxNameOrOrdinalCounts)
{
    CTemplateBuilder b;
    b.Dword(WS_POPUP);
    b.Dword(0);
    b.Word(4);
    for (short v : {0, 0, 100, 50})
        b.Word((WORD)v);
    b.Word(0);
    b.Word(0);
    b.String("");
    b.ClassicItem(1, 1, 1);
    b.String("ComboBox");
    b.String("");
    b.Word(5); // creation data of an odd size
    for (BYTE c : {1, 2, 3, 4, 5})
        b.m_bytes.push_back(c);
    b.ClassicItem(2, 2, 2);
    b.Ordinal(0x0080);
    b.Ordinal(9);
    b.Word(0);
    b.ClassicItem(3, 3, 3);
    b.String("COMBOBOX");
    b.String("combo");
    b.Word(0);
    b.ClassicItem(4, 4, 4);
    b.String("COMBOBOXES");
    b.String("");
    b.Word(0);

    const std::vector<std::string> expected = {
        "1 (1,1,10,12)", "2 (2,2,10,12)", "3 (3,3,10,12) combo", "4 (4,4,10,12)"};
    EXPECT_EQ(expected, Items(b.Get()));
    EXPECT_EQ(expected, CheckedItems(b.Get(), b.Size()));
}

// Every length short of the last item's end is refused by every checked form, and nothing is
// read past the copy: each copy lives in a block of exactly its length.
TEST(DlgTemplate, CheckedFormsRefuseTruncatedCopies)
{
    for (UINT id : {IDD_TPL_CLASSIC, IDD_TPL_EX})
    {
        CResourceTemplate res = Load(id);
        // The last item, a push button: its header, the button ordinal, "OK" and the size word.
        const BYTE* last = (const BYTE*)T::FindItem(res.m_t, IDOK);
        ASSERT_TRUE(last != NULL);
        size_t end = (size_t)(last - (const BYTE*)res.m_t) + (id == IDD_TPL_EX ? 24 : 18) + 4 + 6 + 2;
        ASSERT_LE(end, res.m_dwSize);
        for (DWORD length = 0; length <= res.m_dwSize; ++length)
        {
            std::unique_ptr<BYTE[]> block(new BYTE[length + 1]);
            memcpy(block.get(), res.m_t, length);
            const DLGTEMPLATE* t = (const DLGTEMPLATE*)block.get();
            bool bWhole = length >= end;
            EXPECT_EQ(bWhole, T::IsValidTemplate(t, length)) << id << " " << length;
            if (bWhole)
                continue;
            T::CDialogInfo dialog = {77, 1, 2, 3, 4};
            EXPECT_FALSE(T::GetDialogInfo(t, length, dialog)) << length;
            EXPECT_EQ("77 items (1,2,3,4)", Describe(dialog));
            EXPECT_EQ(NULL, T::FindFirstItem(t, length)) << length;
            EXPECT_EQ(NULL, T::FindItem(t, length, IDC_TPL_COMBO)) << length;
            CRect rc(1, 2, 3, 4);
            EXPECT_FALSE(T::ConvertDialogUnitsToPixels(t, length, rc));
            EXPECT_EQ("(1,2,3,4)", Text(rc));
        }
    }
}

TEST(DlgTemplate, CheckedFormsRefuseForgedCountsAndForeignItems)
{
    CResourceTemplate res = Load(IDD_TPL_CLASSIC);
    std::vector<BYTE> copy((const BYTE*)res.m_t, (const BYTE*)res.m_t + res.m_dwSize);
    const DLGTEMPLATE* t = (const DLGTEMPLATE*)copy.data();
    DWORD size = (DWORD)copy.size();
    const DLGITEMTEMPLATE* first = T::FindFirstItem(t, size);
    ASSERT_TRUE(first != NULL);

    T::CItemInfo info;
    EXPECT_FALSE(T::GetItemInfo(t, size, (const DLGITEMTEMPLATE*)((const BYTE*)first + 4), info));
    EXPECT_EQ(NULL, T::FindNextItem(t, size, (const DLGITEMTEMPLATE*)((const BYTE*)first + 4)));
    EXPECT_EQ(NULL, T::FindNextItem(t, size, T::FindItem(t, IDOK))); // the last has no next
    EXPECT_FALSE(T::IsValidTemplate(NULL, 100));

    copy[8] = 7; // one item more than there are
    EXPECT_FALSE(T::IsValidTemplate(t, size));
    copy[8] = copy[9] = 0xFF;
    EXPECT_FALSE(T::IsValidTemplate(t, size));
    EXPECT_EQ(NULL, T::FindItem(t, size, IDC_TPL_COMBO));
    EXPECT_FALSE(T::GetItemInfo(t, size, first, info));
    copy[8] = 6;
    copy[9] = 0;
    // A typeface without its terminator runs into the items, then off the end.
    for (size_t i = 34; i < size; i += 2)
        if (copy[i] == 0 && copy[i + 1] == 0)
            copy[i] = 'x';
    EXPECT_FALSE(T::IsValidTemplate(t, size));
}

TEST(DlgTemplate, DialogUnitsScaleByTheBaseUnitsWithRounding)
{
    CRect rc(0, 0, 4, 8);
    T::ScaleDialogUnits(6, 13, rc);
    EXPECT_EQ(Text(CRect(0, 0, 6, 13)), Text(rc));
    rc.SetRect(1, 1, 3, -3); // 1.5, 1.625, 4.5, -4.875
    T::ScaleDialogUnits(6, 13, rc);
    EXPECT_EQ(Text(CRect(2, 2, 5, -5)), Text(rc));
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

CRect Converted(const DLGTEMPLATE* t, CRect rc)
{
    T::ConvertDialogUnitsToPixels(t, rc);
    return rc;
}

// Where the dialog manager puts each control, in the dialog's client coordinates, against the
// conversion of the control's position and of its size. Combo boxes take their height from
// their edit field, so only their position and width are compared.
TEST(DlgTemplate, PixelsMatchWhereTheDialogManagerPutsTheControls)
{
    for (UINT id : {IDD_TPL_CLASSIC, IDD_TPL_EX, IDD_TPL_BIG, IDD_TPL_NOFONT, IDD_TPL_EX_NOFONT})
    {
        CResourceTemplate res = Load(id);
        HWND hDlg = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), res.m_t, NULL, QuietDialogProc, 0);
        ASSERT_TRUE(hDlg != NULL) << id;
        T::CDialogInfo dialog;
        T::GetDialogInfo(res.m_t, dialog);
        CRect client;
        ::GetClientRect(hDlg, &client);
        EXPECT_EQ(Text(Converted(res.m_t, CRect(0, 0, dialog.m_cx, dialog.m_cy))), Text(client)) << id;

        const DLGITEMTEMPLATE* item = T::FindFirstItem(res.m_t);
        for (DWORD i = 0; i < dialog.m_dwItemCount; ++i, item = T::FindNextItem(res.m_t, item))
        {
            T::CItemInfo info;
            T::GetItemInfo(res.m_t, item, info);
            HWND hCtl = ::GetDlgItem(hDlg, (int)info.m_dwId);
            ASSERT_TRUE(hCtl != NULL) << Describe(info);
            CRect placed;
            ::GetWindowRect(hCtl, &placed);
            ::MapWindowPoints(NULL, hDlg, (POINT*)&placed, 2);
            CRect position = Converted(res.m_t, CRect(info.m_x, info.m_y, info.m_x, info.m_y));
            CRect size = Converted(res.m_t, CRect(0, 0, info.m_cx, info.m_cy));
            EXPECT_EQ(position.left, placed.left) << id << " " << Describe(info);
            EXPECT_EQ(position.top, placed.top) << id << " " << Describe(info);
            EXPECT_EQ(size.right, placed.Width()) << id << " " << Describe(info);
            if (!info.m_bComboBox)
            {
                EXPECT_EQ(size.bottom, placed.Height()) << id << " " << Describe(info);
            }
        }

        // The dialog's own mapping agrees, and so does the typeface form for the normal 8 points.
        CRect mapped(3, 5, 107, 213);
        ::MapDialogRect(hDlg, &mapped);
        EXPECT_EQ(Text(mapped), Text(Converted(res.m_t, CRect(3, 5, 107, 213)))) << id;
        if (id == IDD_TPL_CLASSIC || id == IDD_TPL_EX)
        {
            CString face = "MS Shell Dlg";
            WORD pointSize = 8;
            CRect converted(3, 5, 107, 213);
            T::ConvertDialogUnitsToPixels(face, pointSize, converted);
            EXPECT_EQ(Text(mapped), Text(converted));
        }
        ::DestroyWindow(hDlg);
    }
}

// A dialog moved to a screen of twice the DPI: twice the pixels, but for the rounding of its font.
TEST(DlgTemplateDpi, UnitsFollowTheDialogsDpi)
{
    for (UINT id : {IDD_TPL_CLASSIC, IDD_TPL_NOFONT})
    {
        CResourceTemplate res = Load(id);
        CRect at96(0, 0, 200, 100), at192 = at96;
        ASSERT_TRUE(T::ConvertDialogUnitsToPixels(res.m_t, res.m_dwSize, at96, 96));
        ASSERT_TRUE(T::ConvertDialogUnitsToPixels(res.m_t, res.m_dwSize, at192, 192));
        const int n192 = at192.Width() + at192.Height();
        EXPECT_NEAR(2 * (at96.Width() + at96.Height()), n192, n192 / 16) << id;
    }
}

} // namespace
