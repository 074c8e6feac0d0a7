#include "ImageFolder.h"

#include <vector>
#include <windows.h>

// The .exe's path in the system's own characters, its separators made '/',
// then in the code page that fopen takes; a path that code page cannot spell
// counts as unknown.
std::string ProgramFolder()
{
    std::vector<wchar_t> wide(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()))) == wide.size()) {
        if (wide.size() >= 32768)
            return {};
        wide.resize(wide.size() * 2);
    }
    if (length == 0)
        return {};
    for (DWORD i = 0; i < length; ++i) {
        if (wide[i] == L'\\')
            wide[i] = L'/';
    }
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(length),
                                         nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy)
        return {};
    std::string path(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(length), &path[0], size, nullptr,
                        nullptr);
    return path.substr(0, path.find_last_of('/'));
}
