// A natural cubic spline: the second derivatives come from one tridiagonal solve, evaluation
// finds the interval by bisection.
#include "core/KwSpline.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

CKwSpline::CKwSpline() : m_n(0), m_x(nullptr), m_y(nullptr), m_y2(nullptr)
{
}

CKwSpline::CKwSpline(const CKwSpline& other) : CKwSpline()
{
    *this = other;
}

// Copies are deep: each spline owns its own arrays.
CKwSpline& CKwSpline::operator=(const CKwSpline& other)
{
    if (this == &other)
        return *this;
    Reset();
    m_n = other.m_n;
    if (other.m_x) {
        m_x = CopyArray(m_n, other.m_x);
        m_y = CopyArray(m_n, other.m_y);
        m_y2 = CopyArray(m_n, other.m_y2);
    }
    return *this;
}

CKwSpline::~CKwSpline()
{
    Reset();
}

double* CKwSpline::CopyArray(UINT n, const double* values)
{
    double* copy = new double[n];
    memcpy(copy, values, sizeof(double) * n);
    return copy;
}

// Valid input is increasing, which one pass proves; only other orders need the sorted check.
bool CKwSpline::HasEqualValues(UINT n, const double* x)
{
    UINT i = 1;
    while (i < n && x[i - 1] < x[i])
        i++;
    if (i >= n)
        return false;
    // NaN equals nothing, and would break the sort's ordering.
    std::vector<double> sorted;
    sorted.reserve(n);
    for (i = 0; i < n; i++) {
        if (x[i] == x[i])
            sorted.push_back(x[i]);
    }
    std::sort(sorted.begin(), sorted.end());
    for (i = 1; i < sorted.size(); i++) {
        if (sorted[i - 1] == sorted[i])
            return true;
    }
    return false;
}

void CKwSpline::Initialize(UINT n, double* x, double* y)
{
    if (IsOK() || n == 0 || !x || !y)
        return;
    std::unique_ptr<double[]> y2(new (std::nothrow) double[n]);
    std::unique_ptr<double[]> u(new (std::nothrow) double[n]);
    if (!y2 || !u || HasEqualValues(n, x)) {
        delete[] x;
        delete[] y;
        return;
    }
    y2[0] = u[0] = 0.0;
    for (UINT i = 1; i + 1 < n; i++) {
        double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        double p = sig * y2[i - 1] + 2.0;
        y2[i] = (sig - 1.0) / p;
        u[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = (6.0 * u[i] / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
    }
    y2[n - 1] = 0.0;
    for (UINT k = n - 1; k-- > 0;)
        y2[k] = y2[k] * y2[k + 1] + u[k];

    m_n = n;
    m_x = x;
    m_y = y;
    m_y2 = y2.release();
}

int CKwSpline::FindIndex(double x)
{
    if (m_n < 3)
        return 0;
    UINT lo = 0, hi = m_n - 1;
    while (hi - lo > 1) {
        UINT mid = lo + (hi - lo) / 2;
        if (m_x[mid] <= x)
            lo = mid;
        else
            hi = mid;
    }
    return (int)lo;
}

double CKwSpline::Interpolate(double x)
{
    if (!IsOK())
        return 0.0;
    if (m_n == 1)
        return m_y[0];
    UINT k = (UINT)FindIndex(x);
    double h = m_x[k + 1] - m_x[k];
    double a = (m_x[k + 1] - x) / h;
    double b = (x - m_x[k]) / h;
    return a * m_y[k] + b * m_y[k + 1] + ((a * a * a - a) * m_y2[k] + (b * b * b - b) * m_y2[k + 1]) * h * h / 6.0;
}

bool CKwSpline::IsOK()
{
    return m_x != nullptr;
}

// The count is left for the next Initialize to overwrite.
void CKwSpline::Reset()
{
    delete[] m_x;
    delete[] m_y;
    delete[] m_y2;
    m_x = m_y = m_y2 = nullptr;
}
