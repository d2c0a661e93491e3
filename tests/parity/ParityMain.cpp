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

bool ReadFile(const std::string& path, Bytes& bytes)
{
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return (bool)in || in.eof();
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

// Reads a case back; what it leaves unread is an error too.
void Load(const ParityCase& c, Bytes& bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    {
        CArchive ar(&file, CArchive::load);
        c.exchange(ar);
        ar.Close();
    }
    if (file.GetPosition() != bytes.size())
        throw std::runtime_error("bytes left unread");
}

// What is wrong with one case's file in dir, or nothing.
std::string Check(const ParityCase& c, const Bytes& own, const std::string& dir)
{
    Bytes bytes;
    if (!ReadFile(dir + "/" + c.name + ".bin", bytes))
        return "cannot be read";
    if (bytes != own) {
        size_t i = 0;
        while (i < bytes.size() && i < own.size() && bytes[i] == own[i])
            i++;
        return "differs from ours at byte " + std::to_string(i);
    }
    try {
        Load(c, bytes);
    } catch (CException* e) {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof(text));
        e->Delete();
        return std::string("reading it throws: ") + text;
    } catch (const std::exception& e) {
        return std::string("reading it finds ") + e.what();
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
    std::string dir = argv[2];
    int nFailures = 0;
    if (bWrite)
        std::filesystem::create_directories(dir);
    for (size_t i = 0; i < g_nParityCases; i++) {
        const ParityCase& c = g_parityCases[i];
        Bytes own;
        if (bWrite) {
            own = Store(c);
            std::ofstream out(dir + "/" + c.name + ".bin", std::ios::binary | std::ios::trunc);
            out.write((const char*)own.data(), (std::streamsize)own.size());
            if (!out) {
                fprintf(stderr, "%s: cannot write into %s\n", c.name, dir.c_str());
                nFailures++;
            }
            continue;
        }
        if (!ReadFile(dir + "/" + c.name + ".bin", own)) {
            fprintf(stderr, "%s: missing in %s\n", c.name, dir.c_str());
            nFailures++;
            continue;
        }
        // The golden folder must have every case; a peer build may not have run.
        for (int n = 3; n < argc; n++) {
            if (n > 3 && !std::filesystem::exists(std::string(argv[n]) + "/" + c.name + ".bin"))
                continue;
            std::string failure = Check(c, own, argv[n]);
            if (!failure.empty()) {
                fprintf(stderr, "%s in %s: %s\n", c.name, argv[n], failure.c_str());
                nFailures++;
            }
        }
    }
    printf("%zu cases, %d failures\n", g_nParityCases, nFailures);
    return nFailures == 0 ? 0 : 1;
}
