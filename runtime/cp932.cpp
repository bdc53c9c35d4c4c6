#include "cp932.h"

#ifdef _WIN32
#include <windows.h>

std::string cp932ToUtf8(const std::string& text) {
    if (text.empty()) return text;
    const int n = MultiByteToWideChar(932, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(932, 0, text.data(), int(text.size()), &wide[0], n);
    const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(m, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
    return out;
}

#else
#include <cerrno>
#include <iconv.h>

std::string cp932ToUtf8(const std::string& text) {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    std::string out;
    if (cd == (iconv_t)-1) return text;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char buffer[256];
        char* to = buffer;
        size_t toLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &to, &toLeft);
        out.append(buffer, to);
        if (r != (size_t)-1 || errno == E2BIG) continue;
        // An invalid or cut-off sequence: mark it and go on after its byte.
        out += "\xEF\xBF\xBD";
        ++in;
        --inLeft;
    }
    return out;
}
#endif
