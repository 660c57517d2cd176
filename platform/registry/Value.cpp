#include "platform/registry/Value.h"

#include "platform/registry/Utf16.h"

namespace registry {

Value Value::text(ValueType stringType, std::string_view utf8) {
    return Value{stringType, utf8ToUtf16le(utf8) + std::string(2, '\0')};
}

Value Value::dword(std::uint32_t number) {
    std::string data;
    for (int shift = 0; shift < 32; shift += 8)
        data += static_cast<char>((number >> shift) & 0xFF);
    return Value{ValueType::Dword, data};
}

Value Value::binary(std::string_view bytes) {
    return Value{ValueType::Binary, std::string(bytes)};
}

bool Value::isText() const {
    return type == ValueType::String || type == ValueType::ExpandString;
}

namespace {

// The data up to (not including) the first NUL unit at an even offset.
std::string_view unitsBeforeNul(std::string_view data) {
    for (std::size_t offset = 0; offset + 1 < data.size(); offset += 2) {
        if (data[offset] == '\0' && data[offset + 1] == '\0')
            return data.substr(0, offset);
    }
    return data;
}

} // namespace

std::string Value::toText() const {
    std::string utf8;
    decodeUtf16le(unitsBeforeNul(data), utf8);
    return utf8;
}

bool Value::isCanonicalText() const {
    const std::string_view units = unitsBeforeNul(data);
    std::string utf8;
    return units.size() + 2 == data.size() && decodeUtf16le(units, utf8) == std::string_view::npos;
}

bool Value::isDword() const {
    return type == ValueType::Dword && data.size() == 4;
}

std::uint32_t Value::toDword() const {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(data[i]);
    return number;
}

} // namespace registry
