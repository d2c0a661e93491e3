// TestRandom.h: a small seeded generator for the randomised tests, the same sequence on every
// platform (the standard distributions are not portable between library builds).
#pragma once

#include <cstdint>

class TestRandom
{
public:
    explicit TestRandom(uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    // xorshift64*: fast, and good enough to generate test inputs.
    uint64_t Next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }

    // A value in [0, bound); bound must be above 0.
    uint32_t Below(uint32_t bound) { return (uint32_t)(Next() % bound); }

private:
    uint64_t m_state;
};
