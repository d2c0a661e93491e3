// Structural models from arbitrary bytes: each is read whole, or refused with an archive
// exception that leaves the model as it was; anything else (a crash, a sanitizer report, a huge
// allocation, a model changed by a refused record or not read back as it was written) is a fault.
#include "model/StructModel.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

bool SameModel(const CStructModel& a, const CStructModel& b)
{
    if (a.GetCount() != b.GetCount())
        return false;
    for (int i = 0; i < a.GetCount(); i++) {
        if (a.GetAt(i) != b.GetAt(i))
            return false;
    }
    return true;
}

// True when the bytes were read; false when they were refused.
bool Load(CStructModel& model, std::vector<BYTE>& bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    try {
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
    } catch (CArchiveException* e) {
        e->Delete();
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CStructModel model, before;
    model.MakeSample(2);
    before = model;
    if (!Load(model, bytes)) {
        if (!SameModel(model, before))
            abort();
        return 0;
    }
    // What was read is written back and read again unchanged.
    CMemFile stored;
    {
        CArchive ar(&stored, CArchive::store);
        model.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> again((size_t)stored.GetLength());
    stored.SeekToBegin();
    stored.Read(again.data(), (UINT)again.size());
    CStructModel reread;
    if (!Load(reread, again) || !SameModel(model, reread))
        abort();
    return 0;
}
