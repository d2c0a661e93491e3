// KwFileFilter.cpp: walking filter fields and name extensions; every walk is bounded by the
// text it is given.
#include "pickers/KwFileFilter.h"

namespace {
// Longer extensions do not fit the name parts the toolkit splits paths into.
const int kMaxExtension = 255;
} // namespace

bool CKwFileFilter::NextField(const CString& filter, int& begin, int& end)
{
    if (end >= 0)
        begin = end + 1;
    if (begin >= filter.GetLength())
        return false;
    end = filter.Find('|', begin);
    if (end < 0)
        end = filter.GetLength();
    return true;
}

// Each walk goes once over the fields: begin and end frame the current one, n counts them.
int CKwFileFilter::Count(const CString& filter)
{
    int n = 0, begin = 0, end = -1;
    while (NextField(filter, begin, end))
        n++;
    return n / 2;
}

int CKwFileFilter::IndexForExtension(const CString& filter, const CString& ext)
{
    if (ext.IsEmpty())
        return 0;
    CString pattern = "*" + ext;
    for (int n = 0, begin = 0, end = -1; NextField(filter, begin, end); n++) {
        if (n % 2 == 1 && filter.Mid(begin, end - begin) == pattern)
            return n / 2 + 1;
    }
    return 0;
}

CString CKwFileFilter::Extension(const CString& filter, int index)
{
    if (index < 1)
        return CString();
    int n = 0, begin = 0, end = -1;
    while (n < 2 * index && NextField(filter, begin, end))
        n++;
    if (n < 2 * index)
        return CString();
    // Only the first of "*.jpg;*.jpeg" is the one to give a name.
    CString pattern = filter.Mid(begin, end - begin).SpanExcluding(";");
    pattern.Trim();
    if (pattern.GetLength() < 3 || pattern[0] != '*' || pattern[1] != '.')
        return CString();
    CString ext = pattern.Mid(1);
    if (ext.FindOneOf("*?") >= 0 || ext.GetLength() > kMaxExtension)
        return CString();
    return ext;
}

void CKwFileFilter::SplitList(const CString& list, CStringArray& pieces)
{
    pieces.RemoveAll();
    for (int begin = 0;;) {
        int bar = list.Find('|', begin);
        if (bar <= begin)
            return;
        pieces.Add(list.Mid(begin, bar - begin));
        begin = bar + 1;
    }
}

int CKwFileFilter::ExtensionStart(const CString& path, int& nameStart)
{
    nameStart = 0;
    for (int i = path.GetLength() - 1; i >= 0; i--) {
        char ch = path[i];
        if (ch == '\\' || ch == '/' || ch == ':') {
            nameStart = i + 1;
            break;
        }
    }
    int dot = path.ReverseFind('.');
    return dot >= nameStart ? dot : -1;
}

CString CKwFileFilter::ExtensionOf(const CString& path)
{
    int nameStart;
    int dot = ExtensionStart(path, nameStart);
    return dot < 0 ? CString() : path.Mid(dot);
}

CString CKwFileFilter::WithExtension(const CString& path, const CString& ext)
{
    int nameStart;
    int dot = ExtensionStart(path, nameStart);
    if (nameStart >= path.GetLength())
        return path;
    return (dot < 0 ? path : path.Left(dot)) + ext;
}
