// The fonts of a rendered document's text (pdftohtml -xml) and its black and red rules (pdftoppm, an image
// at 72 dots an inch, so that one pixel is one point).
#include "tests/platform/automation/RenderedPage.h"

#include "platform/text/TextFile.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

namespace rendertest {

namespace {

std::string attribute(const std::string& tag, const std::string& name) {
    std::smatch match;
    return std::regex_search(tag, match, std::regex(name + "=\"([^\"]*)\"")) ? std::string(match[1]) : "";
}

// The characters of a <text> element: its tags (<b>, <i>, <a>) and blanks dropped, entities read.
std::string plainText(const std::string& content) {
    std::string text = std::regex_replace(content, std::regex("<[^>]*>| "), "");
    for (auto [entity, character] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}})
        text = std::regex_replace(text, std::regex(entity), character);
    return text;
}

// "BAAAAA+NotoSansCJKjp" -> "NotoSansCJKjp": the tag names the subset, not the font.
std::string withoutSubsetTag(const std::string& family) {
    std::size_t plus = family.find('+');
    return plus == 6 ? family.substr(plus + 1) : family;
}

// A binary pixel map as pdftoppm writes it, grey (P5, one byte a pixel) or colour (P6, three): width,
// height, the bytes.
struct PixelMap {
    int width = 0, height = 0, channels = 1;
    std::string pixels;

    unsigned char at(int x, int y, int channel = 0) const {
        std::size_t index = (static_cast<std::size_t>(y) * width + x) * channels + channel;
        return static_cast<unsigned char>(pixels[index]);
    }
};

PixelMap readPixelMap(const std::string& path) {
    std::istringstream in(text::readBinaryFile(path));
    std::string magic;
    int maxValue = 0;
    PixelMap map;
    in >> magic >> map.width >> map.height >> maxValue;
    in.get();
    map.channels = magic == "P6" ? 3 : 1;
    if ((magic != "P5" && magic != "P6") || map.width <= 0 || map.height <= 0 || maxValue != 255)
        return {};
    map.pixels.assign(std::istreambuf_iterator<char>(in), {});
    if (map.pixels.size() < static_cast<std::size_t>(map.width) * map.height * map.channels)
        return {};
    return map;
}

// Black: dark grey, where a pure red prints as grey 76 and stays out. Red: the composer's pure red.
bool inked(const PixelMap& map, int x, int y, Ink ink) {
    if (ink == Ink::Black)
        return map.at(x, y) < 64;
    return map.at(x, y, 0) > 200 && map.at(x, y, 1) < 90 && map.at(x, y, 2) < 90;
}

// The longest run of inked pixels in a row.
int longestRun(const PixelMap& map, int row, Ink ink) {
    int longest = 0, run = 0;
    for (int x = 0; x < map.width; ++x) {
        run = inked(map, x, row, ink) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

std::vector<SetText> textsWithFonts(const RenderedDocument& document) {
    wordproctest::ProgramOutput xml =
        wordproctest::runCapturing({"pdftohtml", "-xml", "-i", "-q", "-zoom", "1", "-stdout", document.pdf});
    std::map<std::string, std::string> fonts;
    std::vector<SetText> texts;
    int page = 0;
    std::regex element(R"(<(page|fontspec|text)\b([^>]*)>(?:(.*?)</text>)?)");
    for (std::sregex_iterator it(xml.output.begin(), xml.output.end(), element), end; it != end; ++it) {
        std::string name = (*it)[1];
        std::string tag = (*it)[2];
        if (name == "page")
            page = std::stoi(attribute(tag, "number"));
        else if (name == "fontspec")
            fonts[attribute(tag, "id")] = withoutSubsetTag(attribute(tag, "family"));
        else
            texts.push_back({page, std::stod(attribute(tag, "left")), std::stod(attribute(tag, "top")),
                             plainText((*it)[3]), fonts[attribute(tag, "font")]});
    }
    return texts;
}

std::string fontOf(const std::vector<SetText>& texts, const std::string& text) {
    for (const SetText& piece : texts) {
        if (piece.text.find(text) != std::string::npos)
            return piece.font;
    }
    return "";
}

std::vector<double> rules(const RenderedDocument& document, int page, double minLength, Ink ink) {
    std::string image = document.pdf + ".page";
    std::string number = std::to_string(page);
    std::vector<std::string> command = {"pdftoppm"};
    if (ink == Ink::Black)
        command.push_back("-gray");
    command.insert(command.end(), {"-r", "72", "-aa", "no", "-aaVector", "no", "-f", number, "-l", number,
                                   "-singlefile", document.pdf, image});
    wordproctest::runCapturing(command);
    PixelMap map = readPixelMap(image + (ink == Ink::Black ? ".pgm" : ".ppm"));
    std::vector<double> found;
    int first = -1;
    // A rule more than a pixel thick is one rule: its rows are taken together.
    for (int row = 0; row <= map.height; ++row) {
        bool inkedRow = row < map.height && longestRun(map, row, ink) >= minLength;
        if (inkedRow && first < 0)
            first = row;
        if (!inkedRow && first >= 0) {
            found.push_back((first + row) / 2.0);
            first = -1;
        }
    }
    return found;
}

std::vector<double> blackRules(const RenderedDocument& document, int page, double minLength) {
    return rules(document, page, minLength, Ink::Black);
}

} // namespace rendertest
