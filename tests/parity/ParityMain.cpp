// The parity program. `kwparity write <dir>` writes every case's archive into dir;
// `kwparity check <dir> <golden-dir> [<peer-dir>...]` compares dir's files byte for byte with
// the golden ones and those of the peers that exist, and reads each of them back.
#include "ParityCases.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

std::string PathOf(const std::string& dir, const ParityCase& c)
{
    return dir + "/" + c.name + ".bin";
}

Bytes Store(const ParityCase& c)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        c.exchange(ar);
        ar.Close();
    }
    DWORD n = file.GetLength();
    BYTE* p = file.Detach();
    Bytes bytes(p, p + n);
    free(p);
    return bytes;
}

// What is wrong with the case's file in dir, or nothing: its bytes against ours, then its values.
std::string Check(const ParityCase& c, const Bytes& own, const std::string& dir)
{
    std::ifstream in(PathOf(dir, c), std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open())
        return "cannot be read";
    if (bytes != own) {
        size_t i = 0;
        while (i < bytes.size() && i < own.size() && bytes[i] == own[i])
            i++;
        return "differs from ours at byte " + std::to_string(i);
    }
    try {
        CMemFile file(bytes.data(), (UINT)bytes.size());
        {
            CArchive ar(&file, CArchive::load);
            c.exchange(ar);
            ar.Close();
        }
        if (file.GetPosition() != bytes.size())
            return "bytes left unread";
    } catch (CException* e) {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof(text));
        e->Delete();
        return std::string("reading it throws: ") + text;
    } catch (const std::exception& e) {
        return std::string("reading it finds another ") + e.what();
    }
    return std::string();
}

} // namespace

int main(int argc, char** argv)
{
    bool bWrite = argc == 3 && strcmp(argv[1], "write") == 0;
    if (!bWrite && !(argc >= 4 && strcmp(argv[1], "check") == 0)) {
        fprintf(stderr, "usage: kwparity write <dir> | check <dir> <golden-dir> [<peer-dir>...]\n");
        return 2;
    }
    if (bWrite)
        std::filesystem::create_directories(argv[2]);
    int nFailures = 0;
    for (size_t i = 0; i < g_nParityCases; i++) {
        const ParityCase& c = g_parityCases[i];
        Bytes own = Store(c);
        if (bWrite) {
            std::ofstream out(PathOf(argv[2], c), std::ios::binary | std::ios::trunc);
            if (!out.write((const char*)own.data(), (std::streamsize)own.size())) {
                fprintf(stderr, "%s: cannot write into %s\n", c.name, argv[2]);
                nFailures++;
            }
            continue;
        }
        // This build's file, then the golden one; a peer build may not have run.
        for (int n = 2; n < argc; n++) {
            if (n > 3 && !std::filesystem::exists(PathOf(argv[n], c)))
                continue;
            std::string failure = Check(c, own, argv[n]);
            if (!failure.empty()) {
                fprintf(stderr, "%s in %s: %s\n", c.name, argv[n], failure.c_str());
                nFailures++;
            }
        }
    }
    fflush(stderr);
    printf("%zu cases, %d failures\n", g_nParityCases, nFailures);
    return nFailures == 0 ? 0 : 1;
}
