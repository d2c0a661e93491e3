// CStructSoak: the next round starts from a thread timer, out of the handler of the tour's
// window, which is gone by then.
#include "StructSoak.h"

#include <cstdio>

CStructSoak* CStructSoak::s_pPlaying = NULL;

namespace {

const size_t kWarmRounds = 2;

unsigned long KiB(SIZE_T nBytes)
{
    return (unsigned long)(nBytes / 1024);
}

} // namespace

CStructSoak::CStructSoak(const CString& strFolder, int nMinutes)
    : CStructTour(strFolder), m_dwMinutes((DWORD)nMinutes), m_dwSoakStarted(::GetTickCount()),
      m_dwRoundStarted(m_dwSoakStarted)
{
    s_pPlaying = this;
    printf("soak: %d minutes; %s\n", nMinutes, (const char*)CStructProcessCounts::DescribeSources());
    printf("soak: round  seconds  handles  gdi  user  working set KiB  private KiB\n");
    fflush(stdout);
}

CStructSoak::~CStructSoak()
{
    if (s_pPlaying == this)
        s_pPlaying = NULL;
}

void CStructSoak::OnEnd(int nCode, const CString& strMessage)
{
    if (nCode != 0)
        return CStructTour::OnEnd(nCode, strMessage);
    const DWORD dwNow = ::GetTickCount();
    m_rounds.push_back(CStructProcessCounts::Take());
    const CStructProcessCounts& counts = m_rounds.back();
    printf("soak: %5d  %7.1f  %7d  %4d  %4d  %15lu  %11lu\n", (int)m_rounds.size(), (dwNow - m_dwRoundStarted) / 1000.0,
        counts.nHandles, counts.nGdiObjects, counts.nUserObjects, KiB(counts.nWorkingSet), KiB(counts.nPrivateBytes));
    fflush(stdout);
    if (dwNow - m_dwSoakStarted >= m_dwMinutes * 60000)
        return CStructTour::OnEnd(0, Summary());
    m_dwRoundStarted = ::GetTickCount();
    if (::SetTimer(NULL, 0, 0, NextRound) == 0)
        CStructTour::OnEnd(1, "soak: the next round could not start");
}

void CALLBACK CStructSoak::NextRound(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    if (s_pPlaying != NULL && !s_pPlaying->Start())
        s_pPlaying->CStructTour::OnEnd(1, "soak: the next round could not start");
}

CString CStructSoak::Summary() const
{
    CString strSummary;
    strSummary.Format("soak: %d rounds in %lu minutes", (int)m_rounds.size(), (::GetTickCount() - m_dwSoakStarted) / 60000);
    if (m_rounds.size() <= kWarmRounds + 1)
        return strSummary;
    const CStructProcessCounts& first = m_rounds[kWarmRounds];
    const CStructProcessCounts& last = m_rounds.back();
    CString strGrowth;
    strGrowth.Format("; from round %d to the last: handles %+d, GDI objects %+d, USER objects %+d, private %+ld KiB",
        (int)kWarmRounds + 1, last.nHandles - first.nHandles, last.nGdiObjects - first.nGdiObjects,
        last.nUserObjects - first.nUserObjects, (long)KiB(last.nPrivateBytes) - (long)KiB(first.nPrivateBytes));
    return strSummary + strGrowth;
}
