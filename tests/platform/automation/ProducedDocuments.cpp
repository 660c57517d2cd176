#include "tests/platform/automation/ProducedDocuments.h"

#include "platform/automation/Automation.h"

namespace producedtest {

namespace {

void layOut(const automation::Application& app, const automation::Document& doc, bool word) {
    if (word) {
        app.Options().setCheckSpellingAsYouType(false);
        app.Options().setCheckGrammarAsYouType(false);
    }
    app.ActiveWindow().View().setTableGridlines(false);
    automation::PageSetup page = doc.PageSetup();
    page.setTopMargin(app.MillimetersToPoints(37));
    page.setBottomMargin(app.MillimetersToPoints(35));
    page.setLeftMargin(app.MillimetersToPoints(28));
    page.setRightMargin(app.MillimetersToPoints(26));
    automation::Font body = doc.Styles().Item("正文").Font();
    body.setNameFarEast("标准公文_仿宋");
    body.setSize(16);
    page.setCharsLine(28);
}

void fillSlots(const automation::Document& doc) {
    auto slot = [&](int n) { return doc.Paragraphs().Item(n).Range(); };
    slot(29).InsertAfter("\r（共印30份）");
    slot(30).ParagraphFormat().setAlignment(2);
    slot(29).InsertBefore("某某市人民政府办公室                    2026年3月9日印发");
    slot(29).InsertBefore("\r");
    slot(29).InsertBefore("抄送：市委办公室，市人大常委会办公室。");
    slot(29).Font().setScaling(100);
    slot(27).InsertAfter("主题词：公文 通知");
    slot(28).Font().setName("标准公文_小标宋");
    doc.Range(86, 90).Font().setName("黑体");
    slot(26).InsertBefore("    （此件公开发布）\r");
    slot(25).InsertBefore("二○二六年三月九日");
    slot(24).ParagraphFormat().setCharacterUnitFirstLineIndent(-6);
    slot(24).InsertBefore("          2．附件二\r");
    slot(24).InsertBefore("\r    附件：1．附件一\r");
    slot(22).InsertBefore("正文第一段。\r正文第二段，内容较长，需要换行显示在下一行。\r");
    slot(21).InsertBefore("\r各区人民政府，市政府各部门：");
    slot(19).InsertAfter("关于做好公文处理工作的通知");
    slot(20).Font().setName("标准公文_小标宋");
    slot(20).Font().setSize(22);
    slot(20).ParagraphFormat().setAlignment(1);
    slot(10).InsertBefore("某机关〔2026〕12号");
    slot(10).ParagraphFormat().setAlignment(1);
    slot(2).InsertBefore("机密★一年");
    slot(3).InsertBefore("特急");
    for (int n : {2, 3}) {
        slot(n).ParagraphFormat().setAlignment(2);
        slot(n).Font().setName("黑体");
    }
    slot(4).ParagraphFormat().setLineSpacingRule(0);
    slot(4).ParagraphFormat().setLineUnitBefore(0.5f);
    automation::Shape mast = doc.Shapes().Item(1);
    automation::Range masthead = mast.TextFrame().TextRange();
    masthead.setText("某某市人民政府文件");
    masthead.Font().setName("标准公文_小标宋");
    masthead.Font().setSize(55);
    masthead.Font().setBold(false);
    masthead.Font().setColor(255);
    masthead.Font().setScaling(75);
    masthead.ParagraphFormat().setAlignment(4);
    mast.setRelativeVerticalPosition(1);
    mast.Line().setVisible(false);
    doc.Tables().Item(1).Cell(2, 1).Range().setText("表中文字");
    doc.Shapes().Item(1).setName("WJBT");
    doc.Shapes().Item(2).setName("BTBX");
    doc.Shapes().Item(3).setName("GWXH");
}

} // namespace

void applyDefaultPageLayout(const std::string& progId, const std::string& templatePath) {
    automation::Application app = automation::CreateObject(progId);
    app.setVisible(true);
    automation::Document doc = app.Documents().Add(templatePath);
    layOut(app, doc, progId == "word.Application");
}

automation::Document produceFilledDocument(const std::string& progId, const std::string& templatePath) {
    automation::Application app = automation::CreateObject(progId);
    app.setVisible(true);
    automation::Document doc = app.Documents().Add(templatePath);
    layOut(app, doc, progId == "word.Application");
    fillSlots(doc);
    return doc;
}

void produceBlankDocument(const std::string& progId, const std::string& templatePath,
                          const std::string& body) {
    automation::Application app = automation::CreateObject(progId);
    app.setVisible(true);
    automation::Document doc = app.Documents().Add(templatePath);
    layOut(app, doc, progId == "word.Application");
    if (!body.empty())
        doc.Paragraphs().Item(1).Range().InsertBefore(body);
}

} // namespace producedtest
