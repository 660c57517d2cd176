// The two orders in which the word processors count a document's shapes, and the stacking of a new
// shape, on documents written here as other programs may write them.

#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/StoryIndex.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace {

// A shape's anchor with the stacking attributes as given; `height` empty leaves relativeHeight out.
std::string anchor(const std::string& name, const std::string& height, bool behind = false) {
    std::string heightAttribute = height.empty() ? "" : " relativeHeight=\"" + height + "\"";
    return "<w:r><w:drawing><wp:anchor" + heightAttribute + " behindDoc=\"" + (behind ? "1" : "0") +
           "\"><wp:docPr id=\"0\" name=\"" + name + "\"/></wp:anchor></w:drawing></w:r>";
}

class ShapeOrder : public testing::Test {
protected:
    void load(const std::string& paragraphs) {
        std::string xml =
            "<w:document xmlns:w=\"w\" xmlns:wp=\"wp\"><w:body>" + paragraphs + "</w:body></w:document>";
        ASSERT_TRUE(document.load_string(xml.c_str()));
    }
    pugi::xml_node root() const { return document.document_element(); }
    std::vector<std::string> names(wordproc::ShapeOrder order) const {
        wordproc::StoryIndex story =
            wordproc::buildStoryIndex(root().child("w:body"), wordproc::Flavour::Wps);
        std::vector<std::string> found;
        for (const wordproc::ShapeEntry& shape : wordproc::listShapes(story, order))
            found.push_back(shape.anchor.child("wp:docPr").attribute("name").value());
        return found;
    }
    pugi::xml_node anchorNamed(const std::string& name) const {
        return root()
            .find_node(
                [&](pugi::xml_node node) { return std::string(node.attribute("name").value()) == name; })
            .parent();
    }

    pugi::xml_document document;
};

using Names = std::vector<std::string>;

TEST_F(ShapeOrder, WordCountsByAnchorsAndWpsFromTheBottomOfTheStack) {
    load("<w:p>" + anchor("a", "251658245") + anchor("b", "251658241") + "</w:p><w:p>" +
         anchor("c", "251658243", true) + "</w:p><w:p>" + anchor("d", "251658242") + "</w:p>");
    EXPECT_EQ(names(wordproc::ShapeOrder::Anchors), (Names{"a", "b", "c", "d"}));
    // Behind the text first, whatever its height; then by height.
    EXPECT_EQ(names(wordproc::ShapeOrder::Stacking), (Names{"c", "b", "d", "a"}));
}

TEST_F(ShapeOrder, EqualMissingAndImpossibleHeightsFallBackOnTheAnchors) {
    // Another program may write equal heights, none, or numbers that are no heights: equal ones keep the
    // anchors' order, a missing or unreadable one counts as 0, one beyond 32 bits as the highest.
    load("<w:p>" + anchor("high", "99999999999") + anchor("same2", "7") + anchor("none", "") +
         anchor("same1", "7") + anchor("text", "abc") + anchor("negative", "-5") + "</w:p>");
    EXPECT_EQ(names(wordproc::ShapeOrder::Stacking),
              (Names{"none", "text", "negative", "same2", "same1", "high"}));
}

TEST_F(ShapeOrder, ANewShapeGoesOnTopOfTheWholeDocument) {
    load("<w:p>" + anchor("new", "251658241") + anchor("a", "251658250") + "</w:p><w:p>" +
         anchor("b", "251658242", true) + "</w:p>");
    wordproc::stackOnTop(root(), anchorNamed("new"));
    EXPECT_EQ(anchorNamed("new").attribute("relativeHeight").as_llong(), 251658251);
    EXPECT_EQ(names(wordproc::ShapeOrder::Stacking), (Names{"b", "a", "new"}));
    EXPECT_EQ(names(wordproc::ShapeOrder::Anchors), (Names{"new", "a", "b"}));
}

TEST_F(ShapeOrder, AtTheHighestHeightTheShapesAreRestackedInTheirOrder) {
    load("<w:p>" + anchor("new", "") + anchor("top", "4294967295") + anchor("under", "4294967290") +
         anchor("behind", "4294967295", true) + "</w:p>");
    wordproc::stackOnTop(root(), anchorNamed("new"));
    EXPECT_EQ(names(wordproc::ShapeOrder::Stacking), (Names{"behind", "under", "top", "new"}));
    for (const char* name : {"behind", "under", "top", "new"})
        EXPECT_LE(anchorNamed(name).attribute("relativeHeight").as_llong(), 4) << name;
}

} // namespace
