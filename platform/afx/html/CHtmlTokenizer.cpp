// CHtmlTokenizer.cpp: tokens of HTML text, read the tolerant way browsers read it.
#include "CHtmlTokenizer.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

void AppendUtf8(std::string& s, unsigned long c)
{
    if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = 0xFFFD;
    if (c < 0x80) {
        s += (char)c;
    } else if (c < 0x800) {
        s += (char)(0xC0 | (c >> 6));
        s += (char)(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += (char)(0xE0 | (c >> 12));
        s += (char)(0x80 | ((c >> 6) & 0x3F));
        s += (char)(0x80 | (c & 0x3F));
    } else {
        s += (char)(0xF0 | (c >> 18));
        s += (char)(0x80 | ((c >> 12) & 0x3F));
        s += (char)(0x80 | ((c >> 6) & 0x3F));
        s += (char)(0x80 | (c & 0x3F));
    }
}

struct CEntity {
    const char* pszName;
    unsigned long nChar;
};
const CEntity s_entities[] = { { "amp", '&' }, { "lt", '<' }, { "gt", '>' }, { "quot", '"' }, { "apos", '\'' },
    { "nbsp", 0xA0 }, { "copy", 0xA9 }, { "reg", 0xAE }, { "deg", 0xB0 }, { "middot", 0xB7 }, { "euro", 0x20AC },
    { "ndash", 0x2013 }, { "mdash", 0x2014 }, { "bull", 0x2022 }, { "hellip", 0x2026 } };

// Reads the reference at p (just after '&'); returns the bytes used, 0 when it is none.
size_t ReadReference(const char* p, const char* pEnd, unsigned long& nChar)
{
    const char* q = p;
    if (q < pEnd && *q == '#') {
        q++;
        int nBase = 10;
        if (q < pEnd && (*q == 'x' || *q == 'X')) {
            nBase = 16;
            q++;
        }
        unsigned long n = 0;
        int nDigits = 0;
        for (; q < pEnd; q++) {
            int d = *q >= '0' && *q <= '9' ? *q - '0'
                : nBase == 16 && Lower(*q) >= 'a' && Lower(*q) <= 'f' ? Lower(*q) - 'a' + 10 : -1;
            if (d < 0)
                break;
            if (n <= 0x10FFFF) // past it the value is wrong anyway: stop growing
                n = n * (unsigned long)nBase + (unsigned long)d;
            nDigits++;
        }
        if (nDigits == 0)
            return 0;
        if (q < pEnd && *q == ';')
            q++;
        nChar = n;
        return (size_t)(q - p);
    }
    for (const CEntity& entity : s_entities) {
        size_t n = strlen(entity.pszName);
        if ((size_t)(pEnd - p) >= n && memcmp(p, entity.pszName, n) == 0) {
            nChar = entity.nChar;
            return n + (p + n < pEnd && p[n] == ';' ? 1 : 0);
        }
    }
    return 0;
}

} // namespace

void CHtmlTokenizer::Decode(const char* p, size_t nLength, std::string& strOut, size_t nMax)
{
    const char* pEnd = p + nLength;
    while (p < pEnd && strOut.size() < nMax) {
        const char* pAmp = (const char*)memchr(p, '&', (size_t)(pEnd - p));
        if (pAmp == nullptr)
            pAmp = pEnd;
        strOut.append(p, std::min((size_t)(pAmp - p), nMax - strOut.size()));
        p = pAmp;
        if (p == pEnd || strOut.size() >= nMax)
            break;
        unsigned long nChar = 0;
        size_t nUsed = ReadReference(p + 1, pEnd, nChar);
        if (nUsed == 0) {
            strOut += '&';
            p++;
        } else {
            AppendUtf8(strOut, nChar);
            p += 1 + nUsed;
        }
    }
}

bool CHtmlTokenizer::Next(CToken& token)
{
    token.strName.clear();
    token.strText.clear();
    token.attributes.clear();
    token.bSelfClosing = false;
    const size_t nSize = m_src.size();
    while (m_nPos < nSize) {
        if (m_src[m_nPos] == '<' && ReadTag(token))
            return true;
        // Text up to the next '<' that may open a tag; a lone '<' is text.
        size_t nStart = m_nPos;
        size_t nEnd = m_src.find('<', m_nPos + 1);
        if (nEnd == std::string::npos)
            nEnd = nSize;
        m_nPos = nEnd;
        token.nKind = kindText;
        Decode(m_src.data() + nStart, nEnd - nStart, token.strText, nEnd - nStart);
        return true;
    }
    token.nKind = kindEnd;
    return false;
}

// At '<': reads a tag, or skips a comment, declaration or processing instruction; false when
// the '<' opens none of these (it is text then).
bool CHtmlTokenizer::ReadTag(CToken& token)
{
    const size_t nSize = m_src.size();
    size_t p = m_nPos + 1;
    if (p < nSize && (m_src[p] == '!' || m_src[p] == '?')) {
        if (m_src.compare(p, 3, "!--") == 0) {
            m_nPos = p + 3;
            SkipPast("-->");
        } else {
            m_nPos = p;
            SkipPast(">");
        }
        token.nKind = kindText; // an empty text: the caller goes on
        return true;
    }
    bool bEnd = p < nSize && m_src[p] == '/';
    if (bEnd)
        p++;
    if (p >= nSize || !IsAlpha(m_src[p]))
        return false;
    size_t nNameStart = p;
    while (p < nSize && !IsSpace(m_src[p]) && m_src[p] != '>' && m_src[p] != '/')
        p++;
    for (size_t i = nNameStart; i < p && token.strName.size() < maxName; i++)
        token.strName += Lower(m_src[i]);
    m_nPos = p;
    token.nKind = bEnd ? kindEndTag : kindStartTag;
    ReadAttributes(token);
    if (bEnd)
        token.attributes.clear();
    else if (token.strName == "script" || token.strName == "style" || token.strName == "title") {
        SkipRawText(token.strName);
        token.nKind = kindText; // their text is not shown
        token.strName.clear();
        token.attributes.clear();
    }
    return true;
}

// Attributes up to and past the closing '>' (or the end of the text).
void CHtmlTokenizer::ReadAttributes(CToken& token)
{
    const size_t nSize = m_src.size();
    size_t& p = m_nPos;
    for (;;) {
        while (p < nSize && (IsSpace(m_src[p]) || m_src[p] == '/')) {
            token.bSelfClosing = m_src[p] == '/';
            p++;
        }
        if (p >= nSize)
            return;
        if (m_src[p] == '>') {
            p++;
            return;
        }
        token.bSelfClosing = false;
        std::string strName;
        while (p < nSize && !IsSpace(m_src[p]) && m_src[p] != '>' && m_src[p] != '=' &&
            !(m_src[p] == '/' && strName.size() > 0)) {
            if (strName.size() < maxName)
                strName += Lower(m_src[p]);
            p++;
        }
        while (p < nSize && IsSpace(m_src[p]))
            p++;
        std::string strValue;
        if (p < nSize && m_src[p] == '=') {
            p++;
            while (p < nSize && IsSpace(m_src[p]))
                p++;
            size_t nStart = p, nEnd;
            if (p < nSize && (m_src[p] == '"' || m_src[p] == '\'')) {
                nStart = p + 1;
                nEnd = m_src.find(m_src[p], nStart);
                if (nEnd == std::string::npos)
                    nEnd = nSize;
                p = nEnd < nSize ? nEnd + 1 : nEnd;
            } else {
                while (p < nSize && !IsSpace(m_src[p]) && m_src[p] != '>')
                    p++;
                nEnd = p;
            }
            Decode(m_src.data() + nStart, nEnd - nStart, strValue, maxValue);
        }
        if (!strName.empty() && token.attributes.size() < 64)
            token.attributes.emplace_back(std::move(strName), std::move(strValue));
    }
}

void CHtmlTokenizer::SkipPast(const char* pszEnd)
{
    size_t n = m_src.find(pszEnd, m_nPos);
    m_nPos = n == std::string::npos ? m_src.size() : n + strlen(pszEnd);
}

void CHtmlTokenizer::SkipRawText(const std::string& strTag)
{
    const size_t nSize = m_src.size();
    for (size_t p = m_nPos; (p = m_src.find("</", p)) != std::string::npos; p += 2) {
        size_t i = 0;
        while (i < strTag.size() && p + 2 + i < nSize && Lower(m_src[p + 2 + i]) == strTag[i])
            i++;
        if (i == strTag.size()) {
            m_nPos = p;
            SkipPast(">");
            return;
        }
    }
    m_nPos = nSize;
}
