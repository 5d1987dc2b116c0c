#include "CStr.h"

#include <cstdio>
#include <vector>

void CStr::printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
}

void CStr::vprintf(const char* format, va_list args) {
    va_list probe;
    va_copy(probe, args);
    int n = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (n < 0) {
        str.clear();
        return;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    str.assign(buf.data(), static_cast<size_t>(n));
}
