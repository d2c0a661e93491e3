// Tests of CString: sharing and copy on write, clamped positions, editing, formatting, resources.
#include <gtest/gtest.h>

#include "CString.h"
#include "support/AfxExceptionCatch.h"

#include <climits>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include "StringTest.rh"
#endif

namespace {

// Whether a and b currently share one buffer.
bool Shares(const CString& a, const CString& b)
{
    return (LPCTSTR)a == (LPCTSTR)b;
}

} // namespace

TEST(String, ConstructsFromEveryForm)
{
    EXPECT_STREQ("", CString());
    EXPECT_STREQ("", CString((LPCTSTR)NULL));
    EXPECT_STREQ("abc", CString("abc"));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    EXPECT_STREQ("", CString((LPCTSTR)NULL, 5));
    EXPECT_STREQ("xxxx", CString('x', 4));
    EXPECT_STREQ("", CString('x', -3));
    EXPECT_STREQ("z", CString('z'));

    // Embedded characters up to a given length are kept.
    CString withNul("a\0b", 3);
    EXPECT_EQ(3, withNul.GetLength());
    EXPECT_EQ('b', withNul[2]);

    CString s;
    s = 'q';
    EXPECT_STREQ("q", s);
    s = (LPCTSTR)NULL;
    EXPECT_TRUE(s.IsEmpty());
}

TEST(String, CopiesShareUntilOneIsWritten)
{
    CString a("shared text");
    CString b(a);
    CString c;
    c = b;
    EXPECT_TRUE(Shares(a, b));
    EXPECT_TRUE(Shares(a, c));
    b.SetAt(0, 'S');
    EXPECT_TRUE(Shares(a, c)); // the other owners still share

    // Every editing member detaches from the other owners before writing.
    CString base("Mixed Case");
    std::vector<CString> copies(10, base);
    copies[0].MakeUpper();
    copies[1].MakeLower();
    copies[2].MakeReverse();
    copies[3].Replace('e', 'E');
    copies[4].Remove('e');
    copies[5].Delete(0, 2);
    copies[6].Insert(0, '>');
    copies[7].TrimLeft('M');
    copies[8].SetAt(0, 'm');
    copies[9] += "!";
    EXPECT_STREQ("Mixed Case", base);
    EXPECT_STREQ("MIXED CASE", copies[0]);
    EXPECT_STREQ("mixed case", copies[1]);
    EXPECT_STREQ("esaC dexiM", copies[2]);
    EXPECT_STREQ("MixEd CasE", copies[3]);
    EXPECT_STREQ("Mixd Cas", copies[4]);
    EXPECT_STREQ("xed Case", copies[5]);
    EXPECT_STREQ(">Mixed Case", copies[6]);
    EXPECT_STREQ("ixed Case", copies[7]);
    EXPECT_STREQ("mixed Case", copies[8]);
    EXPECT_STREQ("Mixed Case!", copies[9]);
}

TEST(String, GetBufferGivesAPrivateBuffer)
{
    CString a("hello");
    CString b(a);
    char* p = b.GetBuffer(20);
    strcpy(p, "goodbye, and more");
    b.ReleaseBuffer();
    EXPECT_STREQ("hello", a);
    EXPECT_STREQ("goodbye, and more", b);
    EXPECT_EQ(17, b.GetLength());

    // An explicit length cuts; a length the buffer cannot hold ends at the terminator.
    p = b.GetBuffer(0);
    b.ReleaseBuffer(4);
    EXPECT_STREQ("good", b);
    p = b.GetBuffer(6);
    memset(p, 'x', 6);
    b.ReleaseBuffer(1000000);
    EXPECT_STREQ("xxxxxxe, and more", b);
    EXPECT_EQ(17, b.GetLength());

    CString c("abc");
    p = c.GetBufferSetLength(6);
    EXPECT_EQ(6, c.GetLength());
    memcpy(p + 3, "def", 3);
    EXPECT_STREQ("abcdef", c);
    c.GetBufferSetLength(2);
    EXPECT_STREQ("ab", c);

    CString empty;
    empty.GetBuffer(10)[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(String, LockedBufferIsNeverShared)
{
    CString a("locked");
    char* p = a.LockBuffer();
    CString b(a);
    CString c;
    c = a;
    EXPECT_FALSE(Shares(a, b));
    EXPECT_FALSE(Shares(a, c));
    p[0] = 'L';
    EXPECT_STREQ("Locked", a);
    EXPECT_STREQ("locked", b);

    // Assigning to a locked string keeps writing into the locked buffer.
    a = "new";
    EXPECT_EQ(p, (LPCTSTR)a);
    a.Empty();
    EXPECT_EQ(p, (LPCTSTR)a);

    a = "again";
    a.UnlockBuffer();
    CString d(a);
    EXPECT_TRUE(Shares(a, d));
}

TEST(String, AbsurdSizesThrowAndKeepTheString)
{
    CString s("keep");
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { s.GetBuffer(-1); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { s.GetBuffer(INT_MAX); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { s.GetBufferSetLength(-5); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { CString bad("x", -1); }));
    EXPECT_STREQ("keep", s);
}

TEST(String, ExtractionClampsPositionsAndCounts)
{
    CString s("abcdef");
    EXPECT_STREQ("cdef", s.Mid(2));
    EXPECT_STREQ("cd", s.Mid(2, 2));
    EXPECT_STREQ("abcdef", s.Mid(-3));
    EXPECT_STREQ("ab", s.Mid(-3, 2));
    EXPECT_STREQ("", s.Mid(6));
    EXPECT_STREQ("", s.Mid(100, 3));
    EXPECT_STREQ("ef", s.Mid(4, INT_MAX));
    EXPECT_STREQ("", s.Mid(2, -1));
    EXPECT_STREQ("abc", s.Left(3));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("abcdef", s.Left(99));
    EXPECT_STREQ("def", s.Right(3));
    EXPECT_STREQ("", s.Right(-2));
    EXPECT_STREQ("abcdef", s.Right(99));
    EXPECT_STREQ("abc", s.SpanIncluding("cba"));
    EXPECT_STREQ("", s.SpanIncluding("xyz"));
    EXPECT_STREQ("abc", s.SpanExcluding("fed"));
    EXPECT_STREQ("abcdef", s.SpanExcluding("xyz"));
    EXPECT_EQ(0, s.GetAt(-1));
    EXPECT_EQ(0, s.GetAt(6));
    EXPECT_EQ('f', s[5]);

    s.SetAt(6, 'z');
    s.SetAt(-1, 'z');
    EXPECT_STREQ("abcdef", s);
}

TEST(String, SearchesAtTheEdges)
{
    CString s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(3, s.Find('.', 3));
    EXPECT_EQ(-1, s.Find('.', 4));
    EXPECT_EQ(4, s.Find('c', 4));
    EXPECT_EQ(-1, s.Find('c', 5));
    EXPECT_EQ(1, s.Find('.', -10));
    EXPECT_EQ(-1, s.Find('x'));

    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("b.c", 3));
    EXPECT_EQ(-1, s.Find("c.", 0));
    EXPECT_EQ(4, s.Find("c", 4));
    EXPECT_EQ(5, s.Find("", 5));
    EXPECT_EQ(-1, s.Find("", 6));
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));

    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(0, s.ReverseFind('a'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(-1, CString().ReverseFind('a'));

    EXPECT_EQ(1, s.FindOneOf(".c"));
    EXPECT_EQ(4, s.FindOneOf("xc"));
    EXPECT_EQ(-1, s.FindOneOf(""));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
}

TEST(String, ReplaceGrowsShrinksAndEmpties)
{
    CString s("one two one two one");
    EXPECT_EQ(3, s.Replace("one", "three"));
    EXPECT_STREQ("three two three two three", s);
    EXPECT_EQ(3, s.Replace("three", "1"));
    EXPECT_STREQ("1 two 1 two 1", s);
    EXPECT_EQ(2, s.Replace(" two", ""));
    EXPECT_STREQ("1 1 1", s);
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace((LPCTSTR)NULL, "x"));
    EXPECT_EQ(0, s.Replace("zzz", "x"));
    EXPECT_STREQ("1 1 1", s);

    // Matches do not overlap and the replacement is not searched again.
    CString t("aaaa");
    EXPECT_EQ(2, t.Replace("aa", "a"));
    EXPECT_STREQ("aa", t);
    EXPECT_EQ(2, t.Replace("a", "aa"));
    EXPECT_STREQ("aaaa", t);
    EXPECT_EQ(1, t.Replace("aaaa", ""));
    EXPECT_TRUE(t.IsEmpty());

    // The arguments may be this string's own text.
    CString u("abc");
    EXPECT_EQ(1, u.Replace(u, u + u));
    EXPECT_STREQ("abcabc", u);

    CString c("a-b-c");
    EXPECT_EQ(2, c.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", c);
    EXPECT_EQ(0, c.Replace('+', '+'));
    EXPECT_EQ(2, c.Remove('+'));
    EXPECT_STREQ("abc", c);
    EXPECT_EQ(0, c.Remove('+'));
}

TEST(String, InsertAndDeleteClampPositions)
{
    CString s("abc");
    EXPECT_EQ(4, s.Insert(-5, 'x'));
    EXPECT_STREQ("xabc", s);
    EXPECT_EQ(5, s.Insert(100, 'y'));
    EXPECT_STREQ("xabcy", s);
    EXPECT_EQ(8, s.Insert(2, "123"));
    EXPECT_STREQ("xa123bcy", s);
    EXPECT_EQ(8, s.Insert(2, ""));
    EXPECT_EQ(8, s.Insert(2, (LPCTSTR)NULL));

    EXPECT_EQ(7, s.Delete(0));
    EXPECT_STREQ("a123bcy", s);
    EXPECT_EQ(4, s.Delete(1, 3));
    EXPECT_STREQ("abcy", s);
    EXPECT_EQ(2, s.Delete(2, 100));
    EXPECT_STREQ("ab", s);
    EXPECT_EQ(2, s.Delete(5, 1));
    EXPECT_EQ(2, s.Delete(0, 0));
    EXPECT_EQ(2, s.Delete(0, -4));
    EXPECT_EQ(1, s.Delete(-3, 1));
    EXPECT_STREQ("b", s);
    EXPECT_EQ(0, s.Delete(0, INT_MAX));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(String, TrimsWhitespaceCharactersAndSets)
{
    CString s(" \t\r\n text \n ");
    EXPECT_STREQ("text \n ", CString(s).TrimLeft());
    EXPECT_STREQ(" \t\r\n text", CString(s).TrimRight());
    EXPECT_STREQ("text", CString(s).Trim());
    EXPECT_STREQ("", CString("  \t ").Trim());

    EXPECT_STREQ("abxx", CString("xxabxx").TrimLeft('x'));
    EXPECT_STREQ("xxab", CString("xxabxx").TrimRight('x'));
    EXPECT_STREQ("ab", CString("xxabxx").Trim('x'));
    EXPECT_STREQ("", CString("xxxx").Trim('x'));
    EXPECT_STREQ("a-b", CString("-=-a-b=-").Trim("=-"));
    EXPECT_STREQ("ab.,", CString(",.ab.,").TrimLeft(".,"));
    EXPECT_STREQ(",.ab", CString(",.ab.,").TrimRight(".,"));
    EXPECT_STREQ(" x ", CString(" x ").Trim(""));
    EXPECT_STREQ(" x ", CString(" x ").Trim((LPCTSTR)NULL));

    // A character in the middle is not trimmed, and the set's terminator matches nothing.
    CString nul("\0a\0", 3);
    nul.Trim("b");
    EXPECT_EQ(3, nul.GetLength());
}

TEST(String, FormatsAnyLength)
{
    CString s;
    s.Format("%d-%s-%c-%5.2f", 42, "x", 'y', 3.14159);
    EXPECT_STREQ("42-x-y- 3.14", s);

    std::string big(3000, 'q');
    s.Format("[%s]%d", big.c_str(), 7);
    EXPECT_EQ(3003, s.GetLength());
    EXPECT_EQ('[', s[0]);
    EXPECT_EQ(']', s[3001]);
    EXPECT_EQ('7', s[3002]);

    // The string itself may be an argument of its own format.
    s = "abc";
    s.Format("%s%s", (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_STREQ("abcabc", s);
    s.AppendFormat("+%u", 5u);
    EXPECT_STREQ("abcabc+5", s);
    s.AppendFormat("%s", "");
    EXPECT_STREQ("abcabc+5", s);

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s.Format("%lld %%", 1234567890123LL);
    EXPECT_STREQ("1234567890123 %", s);

    // A null text argument prints as the framework's "(null)" instead of crashing.
    LPCTSTR pszNothing = NULL;
    s.Format("[%s]", pszNothing);
    EXPECT_STREQ("[(null)]", s);
    s.Format((LPCTSTR)NULL);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(String, ComparesInBothOrders)
{
    // Each operator with a string on either side; 'B' sorts before 'a'.
    CString a("apple"), b("Banana"), a2("apple");
    EXPECT_TRUE(a == a2 && a == "apple" && "apple" == a);
    EXPECT_TRUE(a != b && a != "x" && "x" != a);
    EXPECT_TRUE(b < a && a < "apples" && "appl" < a && !(a < "apple"));
    EXPECT_TRUE(a > b && a > "appl" && "apples" > a && !(a > "apple"));
    EXPECT_TRUE(a <= a2 && a <= "apple" && "apple" <= a && a <= "b" && "appl" <= a && !(a <= "Z"));
    EXPECT_TRUE(a >= a2 && a >= "apple" && "apple" >= a && "b" >= a && !(a >= "apples") && !("appl" >= a));
    EXPECT_TRUE(CString() < "a");
    EXPECT_EQ(0, CString().Compare(NULL));

    EXPECT_GT(0, b.Compare("apple"));
    EXPECT_LT(0, b.CompareNoCase("apple"));
    EXPECT_EQ(0, CString("MiXeD").CompareNoCase("mixed"));
    EXPECT_EQ(0, CString("abc").Collate("abc"));
    EXPECT_GT(0, CString("abc").Collate("abd"));
    EXPECT_EQ(0, CString("ABC").CollateNoCase("abc"));
}

TEST(String, ConcatenatesAllForms)
{
    CString s("ab");
    EXPECT_STREQ("abcd", s + "cd");
    EXPECT_STREQ("cdab", "cd" + s);
    EXPECT_STREQ("abab", s + s);
    EXPECT_STREQ("ab!", s + '!');
    EXPECT_STREQ("!ab", '!' + s);
    EXPECT_STREQ("ab", s + (LPCTSTR)NULL);
    s += s;
    EXPECT_STREQ("abab", s);
    s += (LPCTSTR)s + 2; // a tail of its own text
    EXPECT_STREQ("ababab", s);
    s += 'c';
    s += (LPCTSTR)NULL;
    EXPECT_STREQ("abababc", s);

    // Appending in a loop keeps every character.
    CString grow;
    for (int i = 0; i < 5000; i++)
        grow += (char)('a' + i % 26);
    EXPECT_EQ(5000, grow.GetLength());
    EXPECT_EQ('a' + 4999 % 26, grow[4999]);
}

TEST(String, MovesLeaveTheSourceEmpty)
{
    CString a("moved");
    CString b(std::move(a));
    EXPECT_STREQ("moved", b);
    EXPECT_TRUE(a.IsEmpty());
    a = std::move(b);
    EXPECT_STREQ("moved", a);
    EXPECT_TRUE(b.IsEmpty());
}

TEST(String, CopiesMayBeUsedOnSeveralThreads)
{
    CString shared("the same text on every thread");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; t++) {
        threads.emplace_back([shared] {
            for (int i = 0; i < 2000; i++) {
                CString copy(shared);
                CString other = copy;
                other += "x";
                ASSERT_EQ(copy.GetLength() + 1, other.GetLength());
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_STREQ("the same text on every thread", shared);
}

#ifdef _WIN32
TEST(String, LoadsStringResources)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_STRINGTEST_SHORT));
    EXPECT_STREQ("Short text", s);

    // Longer than the 255 characters a fixed buffer would hold.
    EXPECT_TRUE(s.LoadString(IDS_STRINGTEST_LONG));
    EXPECT_EQ(300, s.GetLength());
    EXPECT_EQ(CString('L', 300), s);

    // A string missing from an existing block, and a block that does not exist.
    s = "old";
    EXPECT_FALSE(s.LoadString(IDS_STRINGTEST_SHORT + 2));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(s.LoadString(IDS_STRINGTEST_ABSENT));

    CString fromId(MAKEINTRESOURCEA(IDS_STRINGTEST_SHORT));
    EXPECT_STREQ("Short text", fromId);
    s.Format(IDS_STRINGTEST_FORMAT, 3, "files");
    EXPECT_STREQ("3 files", s);
}

TEST(String, ConvertsWideText)
{
    CString s(L"wide \u00e9");
    EXPECT_STREQ("wide \xe9", s);
    s = (const wchar_t*)NULL;
    EXPECT_TRUE(s.IsEmpty());

    CString t("ascii \xe9");
    BSTR b = t.AllocSysString();
    EXPECT_EQ(7u, SysStringLen(b));
    EXPECT_EQ(0, wcscmp(L"ascii \u00e9", b));
    SysFreeString(b);
}
#endif
