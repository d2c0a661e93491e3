// SaveFolder.h: a fresh folder for a document test's files, and the faults of the run that
// tools/wine-run-faulty.sh sets up: a disk that fills, a folder where nothing can be created.
#pragma once

#include <string>
#include <vector>

class SaveFolder
{
public:
    explicit SaveFolder(const char* name); // in the temporary folder, named after the process
    ~SaveFolder(); // removes it with its files, read-only ones too
    std::string Path(const char* file) const { return m_folder + "\\" + file; }
    std::vector<std::string> Files() const; // sorted

    static std::string Read(const std::string& path);
    static bool Write(const std::string& path, const std::string& bytes);
    // The size no file may grow past in this run (0: none), and a folder where no file can be
    // created ("" when this run has none: a folder's mode does not stop the superuser).
    static size_t FileLimit();
    static std::string LockedFolder();

private:
    std::string m_folder;
};
