// The host's single-byte string. Backed by std::string; converts to const char*
// like the host's own string class so that it can be handed to Win32 directly.
#pragma once

#include <cstdarg>
#include <string>

#include "SdkExport.h"

class SDKAPI CStr {
public:
    CStr() = default;
    CStr(const char* s) : str(s ? s : "") {}
    CStr(const std::string& s) : str(s) {}

    const char* data() const { return str.c_str(); }
    operator const char*() const { return str.c_str(); }
    int Length() const { return static_cast<int>(str.size()); }
    int length() const { return Length(); }
    bool isNull() const { return str.empty(); }

    // Resizes to n characters; new characters are NUL, so they end the C text.
    void Resize(int n) { str.resize(n < 0 ? 0 : static_cast<size_t>(n), '\0'); }
    char& operator[](int i) { return str[static_cast<size_t>(i)]; }
    char operator[](int i) const { return str[static_cast<size_t>(i)]; }

    CStr& operator=(const char* s) {
        str = s ? s : "";
        return *this;
    }
    CStr& operator+=(const CStr& s) {
        str += s.str;
        return *this;
    }
    CStr& operator+=(const char* s) {
        if (s) str += s;
        return *this;
    }
    CStr operator+(const CStr& s) const { return CStr(str + s.str); }
    bool operator==(const CStr& s) const { return str == s.str; }
    bool operator!=(const CStr& s) const { return str != s.str; }
    bool operator==(const char* s) const { return str == (s ? s : ""); }
    bool operator!=(const char* s) const { return !(*this == s); }

    // Formats like vsnprintf; the text is never cut.
    void printf(const char* format, ...);
    void vprintf(const char* format, va_list args);

    const std::string& str_ref() const { return str; }

private:
    std::string str;
};

typedef CStr MSTR;
