#pragma once
// A converter between two encodings, owned for its lifetime (the iconv descriptor is closed with it).

#include <iconv.h>
#include <string>
#include <string_view>

namespace text {

class Iconv {
public:
    Iconv(const char* to, const char* from);
    ~Iconv();
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts the whole input. An invalid or incomplete sequence is skipped by one byte and replaced
    // by the given text; the conversion then goes on.
    std::string convert(std::string_view input, std::string_view replacement);

private:
    iconv_t m_descriptor;
};

} // namespace text
