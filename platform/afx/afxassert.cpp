// afxassert.cpp: where a failed ASSERT of a debug build ends up.
#include "afxtypes.h"

#include <cstdio>
#include <cstdlib>

#ifdef _DEBUG
void AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpression)
{
    std::fprintf(stderr, "%s(%d): ASSERT(%s) failed\n", lpszFileName, nLine, lpszExpression);
    std::fflush(stderr);
    std::abort();
}
#endif
