// StructSoak.h: CStructSoak, the tour played round after round in one process for a given time,
// each round ending where it began; after each round a line of the process's handles, GDI and
// USER objects and memory, which must stay flat once the first rounds have filled the caches.
#pragma once

#include "StructProcessCounts.h"
#include "StructTour.h"

#include <vector>

class CStructSoak : public CStructTour
{
public:
    CStructSoak(const CString& strFolder, int nMinutes);
    ~CStructSoak() override;

protected:
    // A round is over: its line is printed and the next starts, until the time is up; a failed
    // step ends the soak as it ends the tour.
    void OnEnd(int nCode, const CString& strMessage) override;

private:
    static void CALLBACK NextRound(HWND, UINT, UINT_PTR nIDEvent, DWORD);
    // The counts from the third round on (the first rounds fill caches) against the third's.
    CString Summary() const;

    DWORD m_dwMinutes;
    DWORD m_dwSoakStarted, m_dwRoundStarted;
    std::vector<CStructProcessCounts> m_rounds;
    static CStructSoak* s_pPlaying;
};
