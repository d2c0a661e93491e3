// Picture records of any layout from arbitrary bytes: each is read whole or refused with an
// archive exception; anything else (a crash, a sanitizer report, a huge allocation) is a fault.
#include "pickers/KwImageRecord.h"

#include <afx.h>

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CKwImageRecord record;
    try {
        CArchive ar(&file, CArchive::load);
        record.Load(ar);
    } catch (CArchiveException* e) {
        e->Delete();
    }
    return 0;
}
