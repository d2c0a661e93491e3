// Loading with the Nth allocation failing, for every N the load makes: a model, and an archive of
// the framework's collections and objects. Each load fails with CMemoryException or succeeds
// whole; a model keeps what it held when its load fails; under LeakSanitizer nothing leaks.
// The program replaces operator new, through which the framework allocates, so it runs alone.
#include "model/StructModel.h"

#include <afxtempl.h>
#include <support/ArchiveBytes.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>

namespace {

// While armed (s_nMade >= 0) allocations are counted, and the one numbered s_nFail fails as the
// standard's operator new fails: through the new handler, else with std::bad_alloc.
long s_nMade = -1, s_nFail = 0;

void* Allocate(size_t nBytes)
{
    for (;;) {
        if (s_nMade < 0 || ++s_nMade != s_nFail) {
            if (void* p = malloc(nBytes != 0 ? nBytes : 1))
                return p;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr)
            throw std::bad_alloc();
        handler();
    }
}

// Runs load with every allocation from the first failing in turn until a load makes fewer;
// check(n, failed, what) follows each, `what` naming an exception other than CMemoryException.
// Returns the allocations a whole load makes.
template <class F, class C>
long FailEachAllocation(F&& load, C&& check)
{
    for (long n = 1;; n++) {
        bool bFailed = false;
        std::string strOther;
        s_nFail = n;
        s_nMade = 0;
        try {
            load();
        } catch (CMemoryException* e) {
            e->Delete();
            bFailed = true;
        } catch (CException* e) {
            strOther = e->GetRuntimeClass()->m_lpszClassName;
            e->Delete();
        } catch (const std::exception& e) {
            strOther = typeid(e).name();
        }
        long nMade = s_nMade;
        s_nMade = -1;
        check(n, bFailed, strOther);
        if (nMade < n)
            return nMade;
    }
}

bool Same(const CStructModel& a, const CStructModel& b)
{
    for (int i = 0; i < a.GetCount() && a.GetCount() == b.GetCount(); i++) {
        if (a.GetAt(i) != b.GetAt(i))
            return false;
    }
    return a.GetCount() == b.GetCount();
}

} // namespace

void* operator new(size_t nBytes)
{
    return Allocate(nBytes);
}
void* operator new[](size_t nBytes)
{
    return Allocate(nBytes);
}
void* operator new(size_t nBytes, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(nBytes);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t nBytes, const std::nothrow_t& nothrow) noexcept
{
    return operator new(nBytes, nothrow);
}
void operator delete(void* p) noexcept
{
    free(p);
}
void operator delete[](void* p) noexcept
{
    free(p);
}
void operator delete(void* p, size_t) noexcept
{
    free(p);
}
void operator delete[](void* p, size_t) noexcept
{
    free(p);
}

TEST(StructModelMemory, EachFailedAllocationFailsTheLoadAndLeavesTheModelAsItWas)
{
    // Hundreds of members with remarks and pictures, one remark long, one picture larger.
    CStructModel stored, before, model;
    stored.MakeSample(200);
    CStructMember member = stored.GetAt(7);
    member.m_strRemark = CString('r', 400);
    member.m_picture.SetSize(7000);
    stored.SetAt(7, member);
    Bytes bytes = StoreBytes([&](CArchive& ar) { stored.Serialize(ar); });
    before.MakeSample(3);
    model = before;

    auto start = std::chrono::steady_clock::now();
    long nLoad = FailEachAllocation(
        [&] {
            CMemFile file(bytes.data(), (UINT)bytes.size());
            CArchive ar(&file, CArchive::load);
            model.Serialize(ar);
        },
        [&](long n, bool bFailed, const std::string& strOther) {
            ASSERT_EQ("", strOther) << "allocation " << n;
            ASSERT_TRUE(Same(bFailed ? before : stored, model)) << "allocation " << n;
            model = before;
        });
    long nMs = (long)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    printf("%d members load with %ld allocations; each failing took %ld ms\n", stored.GetCount(), nLoad, nMs);
    EXPECT_GE(nLoad, 1000);
}

TEST(StructModelMemory, TheFrameworksCollectionsAndObjectsFailWithAMemoryExceptionAndLeakNothing)
{
    CStringArray strings;
    CMap<CString, LPCSTR, CString, LPCSTR> map;
    for (int i = 0; i < 40; i++) {
        CString s;
        s.Format("%d %s", i, (LPCSTR)CString('x', i * 9));
        strings.Add(s);
        map[s] = s + "!";
    }
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        strings.Serialize(ar);
        map.Serialize(ar);
        // The same object twice, then a class by itself.
        ar << &strings << &strings;
        ar.WriteClass(RUNTIME_CLASS(CStringList));
    });

    long nLoad = FailEachAllocation(
        [&] {
            CMemFile file(bytes.data(), (UINT)bytes.size());
            CArchive ar(&file, CArchive::load, 128); // small: the buffer refills often
            CStringArray a;
            CMap<CString, LPCSTR, CString, LPCSTR> m;
            a.Serialize(ar);
            m.Serialize(ar);
            CStringArray *p1 = NULL, *p2 = NULL;
            ar >> p1;
            std::unique_ptr<CStringArray> pOwned(p1);
            ar >> p2;
            if (ar.ReadClass(RUNTIME_CLASS(CStringList)) == NULL || p1 != p2 || a.GetSize() != 40 ||
                m.GetCount() != 40 || p1->GetSize() != 40)
                AfxThrowArchiveException(CArchiveException::genericException);
        },
        [&](long n, bool, const std::string& strOther) { ASSERT_EQ("", strOther) << "allocation " << n; });
    EXPECT_GE(nLoad, 100);
}
