// KwSpline.h: CKwSpline, natural cubic spline interpolation of a tabulated function.
#pragma once

#include "core/KwUiExport.h"

class KWUI_API CKwSpline
{
public:
    CKwSpline();
    CKwSpline(const CKwSpline& other);
    CKwSpline& operator=(const CKwSpline& other);
    virtual ~CKwSpline();

    // Takes ownership of x and y (allocated with new[]; x strictly increasing) and computes the
    // second derivatives. Does nothing when already usable, when n is 0 or a pointer is null;
    // equal x values (or no memory for the derivatives) delete both arrays and leave it unusable.
    void Initialize(UINT n, double* x, double* y);

    // The spline's value at x, extrapolating the end cubics outside the samples; 0.0 when not
    // usable. A single point gives a constant function.
    double Interpolate(double x);

    bool IsOK();
    void Reset();

private:
    int FindIndex(double x);
    static bool HasEqualValues(UINT n, const double* x);
    static double* CopyArray(UINT n, const double* values);

    UINT m_n;
    double* m_x;
    double* m_y;
    double* m_y2;
};
