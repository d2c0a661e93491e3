// Tests of CString: a seeded walk of edits checked against std::string after every step, then
// what a walk cannot reach: null arguments, locked and caller-written buffers, absurd sizes,
// formatting, threads, resources and wide text.
#include <gtest/gtest.h>

#include "CString.h"
#include "support/AfxExceptionCatch.h"
#include "support/TestRandom.h"

#include <algorithm>
#include <cctype>
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

// Short texts of both cases, spaces and punctuation, so that searches, trims and case changes
// find something.
std::string RandomText(TestRandom& random, uint32_t nMax = 5)
{
    std::string text;
    for (uint32_t n = random.Below(nMax + 1); n > 0; n--)
        text += "abAB \t\n.-"[random.Below(9)];
    return text;
}

int Sign(int n)
{
    return (n > 0) - (n < 0);
}

std::string Cased(std::string s, int (*change)(int))
{
    for (char& c : s)
        c = (char)change((unsigned char)c);
    return s;
}

// Replaces every match from the left, never searching a replacement again.
int ReplaceAll(std::string& s, const std::string& sOld, const std::string& sNew)
{
    int n = 0;
    for (size_t pos = 0; !sOld.empty() && (pos = s.find(sOld, pos)) != std::string::npos; pos += sNew.size(), n++)
        s.replace(pos, sOld.size(), sNew);
    return n;
}

} // namespace

// Positions and counts beyond either end are clamped; the string's own text may be an argument
// of any edit; a copy sharing the buffer keeps its text whatever edit the other side makes.
TEST(String, MatchesAStdStringThroughRandomEdits)
{
    for (uint64_t seed = 1; seed <= 40; seed++) {
        TestRandom random(seed);
        CString s, copy;
        std::string ref, copyRef;
        for (int step = 0; step < 400; step++) {
            if (random.Below(2)) {
                copy = s;
                copyRef = ref;
            }
            const int n = (int)ref.size();
            const uint32_t op = random.Below(19);
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " op " +
                         std::to_string(op) + " on \"" + ref + "\"");
            const std::string t = RandomText(random);
            const char* p = t.c_str();
            const char ch = "aAb .-"[random.Below(6)];
            const int at = (int)random.Below(n + 5) - 2; // also before the start and past the end
            const int count = (int)random.Below(n + 5) - 2;
            const int k = (int)random.Below(n + 1); // a tail of the string's own text
            const int atClamped = std::clamp(at, 0, n);
            switch (op) {
            case 0:
                s += p;
                s += (LPCTSTR)s + k;
                s += ch;
                ref += t;
                ref += ref.substr(k) + ch;
                break;
            case 1:
                ASSERT_EQ(n + 1, s.Insert(at, ch));
                ref.insert(atClamped, 1, ch);
                break;
            case 2:
                ASSERT_EQ(n + (int)t.size(), s.Insert(at, p));
                ref.insert(atClamped, t);
                break;
            case 3:
                ASSERT_EQ(2 * n - k, s.Insert(at, (LPCTSTR)s + k));
                ref.insert(atClamped, ref.substr(k));
                break;
            case 4:
                if (at <= n && count > 0)
                    ref.erase(atClamped, count);
                ASSERT_EQ((int)ref.size(), s.Delete(at, count));
                break;
            case 5: {
                std::string sOld = RandomText(random, 2);
                ASSERT_EQ(ReplaceAll(ref, sOld, t), s.Replace(sOld.c_str(), p));
                break;
            }
            case 6: {
                std::string sOld = ref.substr(k), sNew = ref.substr(n - k);
                ASSERT_EQ(ReplaceAll(ref, sOld, sNew), s.Replace((LPCTSTR)s + k, (LPCTSTR)s + (n - k)));
                break;
            }
            case 7: {
                char chNew = "aB."[random.Below(3)];
                ASSERT_EQ(chNew == ch ? 0 : (int)std::count(ref.begin(), ref.end(), ch), s.Replace(ch, chNew));
                std::replace(ref.begin(), ref.end(), ch, chNew);
                break;
            }
            case 8:
                ASSERT_EQ((int)std::count(ref.begin(), ref.end(), ch), s.Remove(ch));
                ref.erase(std::remove(ref.begin(), ref.end(), ch), ref.end());
                break;
            case 9: { // whitespace, one character or a set, from either end or both
                const uint32_t how = random.Below(3), ends = 1 + random.Below(3);
                auto trimmed = [&](char c) {
                    return how == 0 ? isspace((unsigned char)c) != 0 : how == 1 ? c == ch : t.find(c) != std::string::npos;
                };
                size_t b = 0, e = ref.size();
                while ((ends & 1) && b < e && trimmed(ref[b]))
                    b++;
                while ((ends & 2) && e > b && trimmed(ref[e - 1]))
                    e--;
                ref = ref.substr(b, e - b);
                if (how == 0)
                    ends == 3 ? s.Trim() : ends == 1 ? s.TrimLeft() : s.TrimRight();
                else if (how == 1)
                    ends == 3 ? s.Trim(ch) : ends == 1 ? s.TrimLeft(ch) : s.TrimRight(ch);
                else
                    ends == 3 ? s.Trim(p) : ends == 1 ? s.TrimLeft(p) : s.TrimRight(p);
                break;
            }
            case 10:
                s.MakeUpper();
                ref = Cased(ref, toupper);
                break;
            case 11:
                s.MakeLower();
                ref = Cased(ref, tolower);
                break;
            case 12:
                s.MakeReverse();
                std::reverse(ref.begin(), ref.end());
                break;
            case 13:
                s.SetAt(at, ch);
                if (at >= 0 && at < n)
                    ref[at] = ch;
                ASSERT_EQ(at >= 0 && at < n ? ch : '\0', s.GetAt(at));
                break;
            case 14: // the string itself as an argument of its own format
                s.Format("%s%d", (LPCTSTR)s, at);
                s.AppendFormat("%s%c", p, ch);
                ref += std::to_string(at) + t + ch;
                break;
            case 15:
                ASSERT_EQ(ref.substr(atClamped, std::clamp(count, 0, n - atClamped)), (LPCTSTR)s.Mid(at, count));
                ASSERT_EQ(ref.substr(atClamped), (LPCTSTR)s.Mid(at));
                ASSERT_EQ(ref.substr(0, std::clamp(count, 0, n)), (LPCTSTR)s.Left(count));
                ASSERT_EQ(ref.substr(n - std::clamp(count, 0, n)), (LPCTSTR)s.Right(count));
                ASSERT_EQ(ref.substr(0, ref.find_first_not_of(t)), (LPCTSTR)s.SpanIncluding(p));
                ASSERT_EQ(ref.substr(0, ref.find_first_of(t)), (LPCTSTR)s.SpanExcluding(p));
                break;
            case 16: // npos comes back as -1
                ASSERT_EQ((int)ref.find(ch), s.Find(ch));
                ASSERT_EQ(at >= n ? -1 : (int)ref.find(ch, atClamped), s.Find(ch, at));
                ASSERT_EQ((int)ref.find(t), s.Find(p));
                ASSERT_EQ(at > n ? -1 : (int)ref.find(t, atClamped), s.Find(p, at));
                ASSERT_EQ((int)ref.rfind(ch), s.ReverseFind(ch));
                ASSERT_EQ(t.empty() ? -1 : (int)ref.find_first_of(t), s.FindOneOf(p));
                break;
            case 17: { // comparisons and concatenations, the string on either side
                ASSERT_EQ(Sign(ref.compare(t)), Sign(s.Compare(p)));
                ASSERT_EQ(Sign(Cased(ref, tolower).compare(Cased(t, tolower))), Sign(s.CompareNoCase(p)));
                CString o(p);
                ASSERT_EQ((std::vector<bool>{ref == t, ref != t, ref < t, ref > t, ref <= t, ref >= t, t < ref,
                              t > ref, t <= ref, t >= ref, ref < t, ref >= t}),
                    (std::vector<bool>{s == p, s != p, s < p, s > p, s <= p, s >= p, p < s, p > s, p <= s, p >= s,
                        s < o, s >= o}));
                ASSERT_EQ(ref + t + ch + ref, (LPCTSTR)(s + p + ch + s));
                ASSERT_EQ(t + ref + ch + ref, (LPCTSTR)(p + s + (ch + s)));
                break;
            }
            default:
                if (n > 60) {
                    s.Empty();
                    ref.clear();
                }
            }
            ASSERT_EQ(ref, (LPCTSTR)s);
            ASSERT_EQ((int)ref.size(), s.GetLength());
            ASSERT_EQ(copyRef, (LPCTSTR)copy);
        }
    }
}

TEST(String, NullAndEmptyArgumentsChangeNothing)
{
    EXPECT_STREQ("", CString((LPCTSTR)NULL));
    EXPECT_STREQ("", CString((LPCTSTR)NULL, 5));
    EXPECT_STREQ("", CString('x', -3));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    CString withNul("a\0b", 3); // embedded characters up to a given length are kept
    EXPECT_EQ(3, withNul.GetLength());
    EXPECT_EQ('b', withNul[2]);
    CString nul("\0a\0", 3);
    nul.Trim("b"); // the set's terminator matches nothing
    EXPECT_EQ(3, nul.GetLength());

    CString s("a.b");
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));
    EXPECT_EQ(0, s.Replace((LPCTSTR)NULL, "x"));
    EXPECT_EQ(3, s.Insert(1, (LPCTSTR)NULL));
    s.Trim((LPCTSTR)NULL);
    s += (LPCTSTR)NULL;
    EXPECT_STREQ("a.b", s + (LPCTSTR)NULL);
    EXPECT_STREQ("a.b", s);
    EXPECT_EQ(0, CString().Compare(NULL));
    s = (LPCTSTR)NULL;
    EXPECT_TRUE(s.IsEmpty());
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

TEST(String, FormatsAnyLength)
{
    CString s;
    std::string big(3000, 'q');
    s.Format("[%s]%d", big.c_str(), 7);
    EXPECT_EQ("[" + big + "]7", (LPCTSTR)s);
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
