// FuzzArchive.h: an archive loading a fuzz input the way the first byte of the input asks: over
// a memory file the archive reads in place, or over a file it must read through its own buffer
// (large or the smallest), which may also keep its length to itself as a pipe would.
#pragma once

#include <afx.h>

#include <cstdint>
#include <memory>
#include <vector>

class CFuzzArchive
{
public:
    // setup: bits 0-1 the kind of file (see CStreamFile), bit 2 the smallest buffer.
    CFuzzArchive(BYTE setup, const uint8_t* data, size_t size) : m_bytes(data, data + size)
    {
        m_file.reset(new CStreamFile(m_bytes, setup & 3));
        m_archive.reset(new CArchive(m_file.get(), CArchive::load, (setup & 4) ? 128 : 4096));
    }
    CArchive& operator*() { return *m_archive; }
    // The archive is closed before the file it reads goes.
    ~CFuzzArchive() { m_archive.reset(); }

private:
    // A memory file; kind 1 and 2 offer no direct buffer, kind 2 cannot tell its length either.
    class CStreamFile : public CMemFile
    {
    public:
        CStreamFile(std::vector<BYTE>& bytes, int nKind)
            : CMemFile(bytes.data(), (UINT)bytes.size()), m_nKind(nKind) {}
        UINT GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax) override
        {
            if (m_nKind == 1 || m_nKind == 2)
                return 0;
            return CMemFile::GetBufferPtr(nCommand, nCount, ppBufStart, ppBufMax);
        }
        BOOL GetBytesRemaining(ULONGLONG& nBytes) const override
        {
            return m_nKind != 2 && CMemFile::GetBytesRemaining(nBytes);
        }

    private:
        int m_nKind;
    };

    std::vector<BYTE> m_bytes;
    std::unique_ptr<CStreamFile> m_file;
    std::unique_ptr<CArchive> m_archive;
};

// Runs read, which the archive may refuse: with an archive exception, or a memory exception for
// a length past what memory could hold (refused before anything is allocated). FALSE if refused.
template <class F>
bool Refusable(F&& read)
{
    try {
        read();
        return true;
    } catch (CArchiveException* e) {
        e->Delete();
    } catch (CMemoryException* e) {
        e->Delete();
    }
    return false;
}

// The first byte of the input, taken off it (0 when there is none).
inline BYTE TakeByte(const uint8_t*& data, size_t& size)
{
    if (size == 0)
        return 0;
    size--;
    return *data++;
}

// The op codes at the front of an input (a count, then the codes), taken off it.
inline std::vector<BYTE> TakeOps(const uint8_t*& data, size_t& size)
{
    std::vector<BYTE> ops;
    size_t n = TakeByte(data, size);
    if (n > size)
        n = size;
    ops.assign(data, data + n);
    data += n;
    size -= n;
    return ops;
}
