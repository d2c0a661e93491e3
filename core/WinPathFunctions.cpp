// Path functions for platforms that lack Windows' own: they follow the system's rules closely
// enough that file names split, join and relate the same way on every build.
#ifndef _WIN32

#include "core/WinPathFunctions.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsDriveSpec(const char* path)
{
    return isalpha((unsigned char)path[0]) && path[1] == ':';
}

bool IsUnc(const char* path)
{
    return path[0] == '\\' && path[1] == '\\';
}

// Cuts the last component: "C:\a\b.txt" becomes "C:\a", "C:\b.txt" becomes "C:\".
void RemoveFileSpec(char* path)
{
    char* spec = path;
    if (*path == '\\')
        spec = ++path;
    if (*path == '\\')
        spec = ++path;
    for (; *path; path++) {
        if (*path == '\\') {
            spec = path;
        } else if (*path == ':') {
            spec = path + 1;
            if (path[1] == '\\')
                spec++;
        }
    }
    *spec = '\0';
}

// The length of the leading components two paths share, compared without regard to case; the
// root "C:" counts with its backslash.
size_t CommonPrefix(const char* a, const char* b)
{
    const char* i = a;
    const char* j = b;
    if (IsUnc(a) != IsUnc(b))
        return 0;
    if (IsUnc(a)) {
        i += 2;
        j += 2;
    }
    size_t len = 0;
    for (;;) {
        if ((!*i || *i == '\\') && (!*j || *j == '\\'))
            len = i - a;
        if (!*i || tolower((unsigned char)*i) != tolower((unsigned char)*j))
            break;
        i++;
        j++;
    }
    return len == 2 ? 3 : len;
}

// Where the root of a path ends: "C:\", "C:", "\\" or "\"; nothing for a relative path.
size_t RootLength(const std::string& path)
{
    if (IsUnc(path.c_str()))
        return 2;
    if (!path.empty() && path[0] == '\\')
        return 1;
    if (IsDriveSpec(path.c_str()))
        return path.size() > 2 && path[2] == '\\' ? 3 : 2;
    return 0;
}

// Resolves "." and ".." segments; ".." never climbs above the root. A final "." stays, as
// the system leaves it.
std::string Canonicalize(const std::string& path)
{
    size_t rootLength = RootLength(path);
    std::string root = path.substr(0, rootLength);
    if (root.size() == 2 && path.size() == 2 && IsDriveSpec(root.c_str()))
        root += '\\';

    std::vector<std::string> segments;
    for (size_t start = rootLength; start < path.size();) {
        size_t end = path.find('\\', start);
        bool last = end == std::string::npos;
        std::string segment = path.substr(start, last ? std::string::npos : end - start);
        if (segment == "..") {
            bool climbable = !segments.empty() && segments.back() != "..";
            if (climbable)
                segments.pop_back();
            else if (rootLength == 0)
                segments.push_back(segment); // a relative path may start above its folder
        } else if (segment != "." || last) {
            segments.push_back(segment);
        }
        if (last)
            break;
        start = end + 1;
        if (start == path.size())
            segments.push_back(""); // the trailing backslash stays
    }

    std::string result = root;
    for (size_t k = 0; k < segments.size(); k++) {
        if (k > 0)
            result += '\\';
        result += segments[k];
    }
    if (result.empty())
        result = "\\";
    return result;
}

} // namespace

// Like the system's, a part too long for its _MAX_ buffer empties every part.
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    const char* root = path[0] && path[1] == ':' ? path + 2 : path;
    const char* name = root;
    for (const char* p = root; *p; p++) {
        if (IsSeparator(*p))
            name = p + 1;
    }
    const char* dot = strrchr(name, '.');
    if (!dot)
        dot = name + strlen(name);

    bool fits = size_t(name - root) < _MAX_DIR && size_t(dot - name) < _MAX_FNAME && strlen(dot) < _MAX_EXT;
    if (drive) {
        memcpy(drive, path, fits ? root - path : 0);
        drive[fits ? root - path : 0] = '\0';
    }
    if (dir) {
        memcpy(dir, root, fits ? name - root : 0);
        dir[fits ? name - root : 0] = '\0';
    }
    if (fname) {
        memcpy(fname, name, fits ? dot - name : 0);
        fname[fits ? dot - name : 0] = '\0';
    }
    if (ext)
        strcpy(ext, fits ? dot : "");
}

void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext)
{
    char* p = path;
    if (drive && drive[0]) {
        *p++ = drive[0];
        *p++ = ':';
    }
    if (dir && dir[0]) {
        size_t len = strlen(dir);
        memcpy(p, dir, len);
        p += len;
        if (!IsSeparator(p[-1]))
            *p++ = '\\';
    }
    if (fname && fname[0]) {
        size_t len = strlen(fname);
        memcpy(p, fname, len);
        p += len;
    }
    if (ext && ext[0]) {
        if (ext[0] != '.')
            *p++ = '.';
        strcpy(p, ext);
    } else {
        *p = '\0';
    }
}

BOOL PathRelativePathToA(char* path, const char* from, DWORD attributesFrom, const char* to, DWORD attributesTo)
{
    if (!path || !from || !to)
        return FALSE;
    *path = '\0';
    if (strlen(from) >= MAX_PATH || strlen(to) >= MAX_PATH)
        return FALSE;
    char fromDir[MAX_PATH] = {0};
    char toDir[MAX_PATH] = {0};
    strcpy(fromDir, from);
    strcpy(toDir, to);
    if (!(attributesFrom & FILE_ATTRIBUTE_DIRECTORY))
        RemoveFileSpec(fromDir);
    if (!(attributesTo & FILE_ATTRIBUTE_DIRECTORY))
        RemoveFileSpec(toDir);

    // Only paths with a common root relate.
    size_t len = CommonPrefix(fromDir, toDir);
    if (!len)
        return FALSE;

    // Climb from 'from' up to the common part, one ".." per component...
    std::string result;
    const char* rest = fromDir + std::min(len, strlen(fromDir));
    if (!*rest)
        result = ".";
    if (*rest == '\\')
        rest++;
    while (*rest) {
        const char* slash = strchr(rest, '\\');
        if (slash)
            rest = slash[1] == '\\' ? slash + 2 : slash + 1;
        else
            rest += strlen(rest);
        result += *rest ? "..\\" : "..";
    }

    // ...then descend into the rest of 'to'.
    const char* tail = to + std::min(len, strlen(to));
    if (*tail && tail[-1]) {
        if (*tail != '\\')
            tail--;
        if (result.size() + strlen(tail) >= MAX_PATH)
            return FALSE;
        result += tail;
    }
    strcpy(path, result.c_str());
    return TRUE;
}

char* PathCombineA(char* dest, const char* dir, const char* file)
{
    if (!dest)
        return nullptr;
    dest[0] = '\0';
    if ((!dir && !file) || (dir && strlen(dir) >= MAX_PATH) || (file && strlen(file) >= MAX_PATH))
        return nullptr;

    std::string combined;
    if (!dir || !file) {
        combined = dir ? dir : file;
    } else if (IsDriveSpec(file) || IsUnc(file)) {
        combined = file; // a fully qualified file needs no folder
    } else {
        combined = dir;
        const char* rest = file;
        if (rest[0] == '\\') {
            combined.resize(RootLength(combined) ? RootLength(combined) : 0);
            if (!combined.empty() && combined.back() == '\\')
                combined.pop_back();
        }
        if (*rest) {
            if (!combined.empty() && combined.back() != '\\' && rest[0] != '\\')
                combined += '\\';
            combined += rest;
        }
    }

    std::string result = Canonicalize(combined);
    if (result.size() >= MAX_PATH)
        return nullptr;
    strcpy(dest, result.c_str());
    return dest;
}

BOOL PathIsRelativeA(const char* path)
{
    if (!path || !*path)
        return TRUE;
    return !(path[0] == '\\' || path[1] == ':');
}

char* PathAddBackslashA(char* path)
{
    size_t len;
    if (!path || (len = strlen(path)) >= MAX_PATH)
        return nullptr;
    if (len && path[len - 1] != '\\') {
        path[len++] = '\\';
        path[len] = '\0';
    }
    return path + len;
}

#endif
