#include "platform/wordproc/RunFormatting.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/Xml.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace wordproc {

namespace {

pugi::xml_node ensureFirst(pugi::xml_node parent, const char* name) {
    if (pugi::xml_node existing = parent.child(name))
        return existing;
    return parent.prepend_child(name);
}

void setToggle(pugi::xml_node properties, const char* name, bool on) {
    pugi::xml_node toggle = xml::ensureChild(properties, name, xml::runPropertyOrder);
    toggle.remove_attribute("w:val");
    if (!on)
        toggle.append_attribute("w:val") = "0";
}

void setValue(pugi::xml_node properties, const char* name, long long value) {
    xml::setAttribute(xml::ensureChild(properties, name, xml::runPropertyOrder), "w:val", value);
}

void setFonts(pugi::xml_node properties, const CharFormat& format) {
    pugi::xml_node fonts = xml::ensureChild(properties, "w:rFonts", xml::runPropertyOrder);
    // A theme font would win over the name written here.
    auto setFont = [&](const char* attribute, const char* themeAttribute, const std::string& name) {
        fonts.remove_attribute(themeAttribute);
        xml::setAttribute(fonts, attribute, name);
    };
    if (format.name) {
        setFont("w:ascii", "w:asciiTheme", *format.name);
        setFont("w:hAnsi", "w:hAnsiTheme", *format.name);
        setFont("w:eastAsia", "w:eastAsiaTheme", *format.name);
    }
    if (format.nameAscii) {
        setFont("w:ascii", "w:asciiTheme", *format.nameAscii);
        setFont("w:hAnsi", "w:hAnsiTheme", *format.nameAscii);
    }
    if (format.nameOther)
        setFont("w:hAnsi", "w:hAnsiTheme", *format.nameOther);
    if (format.nameFarEast)
        setFont("w:eastAsia", "w:eastAsiaTheme", *format.nameFarEast);
}

void setColor(pugi::xml_node properties, int bgr) {
    pugi::xml_node color = xml::ensureChild(properties, "w:color", xml::runPropertyOrder);
    for (const char* theme : {"w:themeColor", "w:themeTint", "w:themeShade"})
        color.remove_attribute(theme);
    xml::setAttribute(color, "w:val", colorToHex(bgr));
}

} // namespace

pugi::xml_node ensureRunProperties(pugi::xml_node run) {
    return ensureFirst(run, "w:rPr");
}

pugi::xml_node ensureMarkProperties(pugi::xml_node paragraph) {
    pugi::xml_node properties = ensureFirst(paragraph, "w:pPr");
    return xml::ensureChild(properties, "w:rPr", xml::paragraphPropertyOrder);
}

pugi::xml_node ensureStyleRunProperties(pugi::xml_node style) {
    static const xml::ChildOrder styleOrder = {"w:name",          "w:aliases",
                                               "w:basedOn",       "w:next",
                                               "w:link",          "w:autoRedefine",
                                               "w:hidden",        "w:uiPriority",
                                               "w:semiHidden",    "w:unhideWhenUsed",
                                               "w:qFormat",       "w:locked",
                                               "w:personal",      "w:personalCompose",
                                               "w:personalReply", "w:rsid",
                                               "w:pPr",           "w:rPr",
                                               "w:tblPr",         "w:trPr",
                                               "w:tcPr",          "w:tblStylePr"};
    return xml::ensureChild(style, "w:rPr", styleOrder);
}

void applyCharFormat(pugi::xml_node properties, const CharFormat& format) {
    if (format.size && (*format.size < 1 || *format.size > 1638))
        throw Error("字号超出范围（1 到 1638 磅）。");
    if (format.scaling && (*format.scaling < 1 || *format.scaling > 600))
        throw Error("字符缩放超出范围（1% 到 600%）。");
    if (format.color && *format.color != AutomaticColor && (*format.color < 0 || *format.color > 0xFFFFFF))
        throw Error("颜色值无效。");
    if (format.name || format.nameAscii || format.nameOther || format.nameFarEast)
        setFonts(properties, format);
    if (format.bold) {
        setToggle(properties, "w:b", *format.bold);
        setToggle(properties, "w:bCs", *format.bold);
    }
    if (format.italic) {
        setToggle(properties, "w:i", *format.italic);
        setToggle(properties, "w:iCs", *format.italic);
    }
    if (format.color)
        setColor(properties, *format.color);
    if (format.spacing)
        setValue(properties, "w:spacing", std::lround(*format.spacing * 20));
    if (format.scaling)
        setValue(properties, "w:w", *format.scaling);
    if (format.size) {
        setValue(properties, "w:sz", std::lround(*format.size * 2));
        setValue(properties, "w:szCs", std::lround(*format.size * 2));
    }
}

CharFormat resolveCharFormat(const PropertyLookup& find) {
    CharFormat format;
    format.name = find({"w:rFonts", {"w:ascii"}}).attribute("w:ascii").value();
    format.nameAscii = format.name;
    format.nameOther = find({"w:rFonts", {"w:hAnsi"}}).attribute("w:hAnsi").value();
    format.nameFarEast = find({"w:rFonts", {"w:eastAsia"}}).attribute("w:eastAsia").value();
    format.size = static_cast<float>(xml::numberAttribute(find({"w:sz"}), "w:val", 20)) / 2.0f;
    format.bold = xml::isOn(find({"w:b"}));
    format.italic = xml::isOn(find({"w:i"}));
    pugi::xml_node color = find({"w:color"});
    format.color = color ? hexToColor(color.attribute("w:val").value()) : AutomaticColor;
    format.scaling = static_cast<int>(xml::numberAttribute(find({"w:w"}), "w:val", 100));
    format.spacing = static_cast<float>(xml::numberAttribute(find({"w:spacing"}), "w:val", 0)) / 20.0f;
    return format;
}

std::string colorToHex(int bgr) {
    if (bgr == AutomaticColor)
        return "auto";
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    return text;
}

int hexToColor(std::string_view hex) {
    if (hex.size() != 6)
        return AutomaticColor;
    char* end = nullptr;
    std::string digits(hex);
    long rgb = std::strtol(digits.c_str(), &end, 16);
    if (*end != '\0')
        return AutomaticColor;
    return static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

} // namespace wordproc
