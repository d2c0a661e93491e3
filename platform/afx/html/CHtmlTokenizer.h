// CHtmlTokenizer.h: CHtmlTokenizer cuts HTML text into start tags, end tags and text, with
// character references decoded. Anything malformed still becomes text or is skipped; every token
// is read in one pass, and names and attribute values are cut to a fixed size.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CHtmlTokenizer
{
public:
    enum EKind { kindEnd, kindText, kindStartTag, kindEndTag };
    enum { maxName = 32, maxValue = 4096 };

    struct CToken {
        EKind nKind = kindEnd;
        std::string strName; // tags: lower case
        std::string strText; // text: decoded
        bool bSelfClosing = false;
        std::vector<std::pair<std::string, std::string>> attributes;
    };

    explicit CHtmlTokenizer(const std::string& strSource) : m_src(strSource), m_nPos(0) {}

    bool Next(CToken& token); // false at the end of the text

    // Appends the character references of a text decoded (UTF-8) to strOut, at most nMax bytes.
    static void Decode(const char* p, size_t nLength, std::string& strOut, size_t nMax);

private:
    const std::string& m_src;
    size_t m_nPos;

    bool ReadTag(CToken& token);
    void ReadAttributes(CToken& token);
    void SkipPast(const char* pszEnd);
    void SkipRawText(const std::string& strTag);
};
