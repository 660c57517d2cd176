#include "platform/text/Iconv.h"

#include <cerrno>
#include <stdexcept>

namespace text {

Iconv::Iconv(const char* to, const char* from) : m_descriptor(iconv_open(to, from)) {
    if (m_descriptor == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
}

Iconv::~Iconv() {
    iconv_close(m_descriptor);
}

std::string Iconv::convert(std::string_view input, std::string_view replacement) {
    iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t rc = iconv(m_descriptor, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: skip one byte of the bad sequence and mark it.
        out.append(replacement);
        ++in;
        --inLeft;
    }
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    iconv(m_descriptor, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    return out;
}

} // namespace text
