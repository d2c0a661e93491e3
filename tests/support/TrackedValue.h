// TrackedValue.h: an element type for container tests that counts its live instances and can be
// told to fail its next copies, to show that containers construct, destroy and roll back right.
#pragma once

struct TrackedValue
{
    static int s_nLive;        // instances constructed and not yet destroyed
    static int s_nCopiesLeft;  // copies allowed before one throws; negative: no limit

    int m_nValue;

    TrackedValue(int nValue = 0) : m_nValue(nValue) { s_nLive++; }
    TrackedValue(const TrackedValue& src) : m_nValue(src.m_nValue)
    {
        CountCopy();
        s_nLive++;
    }
    TrackedValue& operator=(const TrackedValue& src)
    {
        CountCopy();
        m_nValue = src.m_nValue;
        return *this;
    }
    ~TrackedValue() { s_nLive--; }

    bool operator==(const TrackedValue& other) const { return m_nValue == other.m_nValue; }

    struct CopyFailure {};

private:
    static void CountCopy()
    {
        if (s_nCopiesLeft == 0)
            throw CopyFailure();
        if (s_nCopiesLeft > 0)
            s_nCopiesLeft--;
    }
};
