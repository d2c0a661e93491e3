// TempPath.h: a fresh file name in the temporary folder, removed again when it goes.
#pragma once

#include <string>

class TempPath
{
public:
    // The name carries the process id, so that test programs running at once do not meet.
    explicit TempPath(const char* name);
    ~TempPath();
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;

    const char* c_str() const { return m_path.c_str(); }

private:
    std::string m_path;
};
