// The internal telegram end to end in both word processors: the same filled form gives the same boxes
// the same names and texts in Word and in WPS, although the two count the template's shapes in other
// orders, so that the masthead command hides the same fixed items in either document.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm15.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Borders.h"
#include "platform/automation/Font.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/text/Encoding.h"
#include "tests/composer/forms/DownGoingFixture.h"

#include <map>
#include <sstream>

using namespace composer;

namespace {

const std::string Department = "县委机要局";

// What a box is on the page: where it stands, what it says and whether its text carries a top border
// (the telegram's red rule is the top border of its box's paragraph).
std::string describe(const automation::Shape& shape) {
    std::ostringstream out;
    out << shape.left() << ',' << shape.top() << ' ' << shape.width() << 'x' << shape.height();
    automation::Range text = shape.TextFrame().TextRange();
    out << " \"" << text.text() << "\" top border " << text.ParagraphFormat().Borders().Item(-1).lineStyle();
    return out.str();
}

class TelegramDocument : public DownGoingDocument {
protected:
    TelegramDocument() { m_data.write("dqx.ini.qf", text::utf8ToGb18030("李华\r\n")); }

    // The telegram filled as a clerk fills it, with or without the check box, made in the profile's
    // word processor and opened again for reading.
    automation::Document produce(bool hideFixedItems, const char* host) {
        paths().TemplateFolder = DQX_BUILT_TEMPLATES;
        profile("wwww", host);
        TForm15& form = ui::createForm<TForm15>(nullptr);
        form.ComboBox13.setText("秘密");
        form.Edit5.setText(Department);
        form.CheckBox1.setChecked(hideFixedItems);
        form.Edit7.setText("关于加强森林防火工作的紧急通知");
        std::size_t before = drafts.size();
        user([&] { form.Button5.click(); });
        EXPECT_EQ(drafts.size(), before + 1) << (messages.empty() ? "" : messages.back());
        return automation::CreateObject("word.Application").Documents().Open(drafts.back());
    }

    // Every box of the document by its name.
    static std::map<std::string, std::string> boxesByName(const automation::Document& doc) {
        std::map<std::string, std::string> boxes;
        for (int i = 1; i <= doc.Shapes().Count(); ++i) {
            automation::Shape shape = doc.Shapes().Item(i);
            if (shape.name().rfind("Spacer", 0) != 0 && shape.name() != "RedRule")
                boxes[shape.name()] = describe(shape);
        }
        return boxes;
    }
};

TEST_F(TelegramDocument, TheFixedItemsHaveTheSameNamesOnTheSameBoxesInBothWordProcessors) {
    std::map<std::string, std::string> word = boxesByName(produce(true, "word"));
    std::map<std::string, std::string> wps = boxesByName(produce(true, "wps"));
    EXPECT_EQ(wps, word);
    // The roles the masthead command gives the names: DB1 the page field, DB2 the rule's box (its top
    // border is the rule), DB3 the sending department; WJBT the red title.
    ASSERT_EQ(wps.size(), 4u);
    EXPECT_NE(wps["DB1"].find("\"第　　页　共　　页\r\" top border 0"), std::string::npos) << wps["DB1"];
    EXPECT_NE(wps["DB2"].find("top border 1"), std::string::npos) << wps["DB2"];
    EXPECT_NE(wps["DB2"].find("\"\r\""), std::string::npos) << "the rule's box holds no text: " << wps["DB2"];
    EXPECT_NE(wps["DB3"].find("\"" + Department + "\r\" top border 0"), std::string::npos) << wps["DB3"];
    EXPECT_NE(wps["WJBT"].find("\"内部密电\r\""), std::string::npos) << wps["WJBT"];
}

TEST_F(TelegramDocument, WithoutTheCheckBoxTheTitleAndTheDepartmentLandOnTheSameBoxesInBoth) {
    std::map<std::string, std::string> word = boxesByName(produce(false, "word"));
    std::map<std::string, std::string> wps = boxesByName(produce(false, "wps"));
    EXPECT_EQ(wps, word);
    EXPECT_EQ(wps.count("DB1") + wps.count("DB2") + wps.count("DB3"), 0u);
    EXPECT_NE(wps["Department"].find("\"" + Department + "\r\""), std::string::npos) << wps["Department"];
    EXPECT_NE(wps["PageField"].find("\"第　　页　共　　页\r\""), std::string::npos) << wps["PageField"];
    EXPECT_NE(wps["WJBT"].find("\"内部密电\r\""), std::string::npos) << wps["WJBT"];
}

} // namespace
