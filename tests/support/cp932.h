// UTF-8 -> code page 932 with iconv, to check the Shift-JIS texts against
// their readable form.
#pragma once

#include <iconv.h>

#include <string>

namespace quendrel::test {

inline std::string Cp932FromUtf8(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* o = out.data();
    size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace quendrel::test
