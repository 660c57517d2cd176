// The fonts of a rendered document's text (pdftohtml -xml) and its black rules (pdftoppm, a grey image
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

// A binary grey map (P5) as pdftoppm writes it: width, height, one byte a pixel.
struct GreyMap {
    int width = 0, height = 0;
    std::string pixels;
};

GreyMap readGreyMap(const std::string& path) {
    std::istringstream in(text::readBinaryFile(path));
    std::string magic;
    int maxValue = 0;
    GreyMap map;
    in >> magic >> map.width >> map.height >> maxValue;
    in.get();
    if (magic != "P5" || map.width <= 0 || map.height <= 0 || maxValue != 255)
        return {};
    map.pixels.assign(std::istreambuf_iterator<char>(in), {});
    if (map.pixels.size() < static_cast<std::size_t>(map.width) * map.height)
        return {};
    return map;
}

// The longest run of black pixels in a row; a pure red prints as grey 76 and stays out.
int longestBlackRun(const GreyMap& map, int row) {
    int longest = 0, run = 0;
    for (int x = 0; x < map.width; ++x) {
        run = static_cast<unsigned char>(map.pixels[static_cast<std::size_t>(row) * map.width + x]) < 64
                  ? run + 1
                  : 0;
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

std::vector<double> blackRules(const RenderedDocument& document, int page, double minLength) {
    std::string image = document.pdf + ".page";
    std::string number = std::to_string(page);
    wordproctest::runCapturing({"pdftoppm", "-gray", "-r", "72", "-aa", "no", "-aaVector", "no", "-f", number,
                                "-l", number, "-singlefile", document.pdf, image});
    GreyMap map = readGreyMap(image + ".pgm");
    std::vector<double> rules;
    int first = -1;
    // A rule more than a pixel thick is one rule: its rows are taken together.
    for (int row = 0; row <= map.height; ++row) {
        bool black = row < map.height && longestBlackRun(map, row) >= minLength;
        if (black && first < 0)
            first = row;
        if (!black && first >= 0) {
            rules.push_back((first + row) / 2.0);
            first = -1;
        }
    }
    return rules;
}

} // namespace rendertest
