// The up-going forms on the headless backend: their windows on the second field numbering, their
// start-up duties with the signer list, the signer editor that reloads every signer combo, the buttons
// each form numbers its own way, and the output runs around the slot maps (templates, the signers'
// placeholders, the masthead's own defaults, how each host's copy meets a failure).

#include "composer/core/ListFile.h"
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/forms/TForm5.h"
#include "composer/forms/TForm6.h"
#include "composer/forms/TForm8.h"
#include "composer/windows/TForm1.h"
#include "composer/windows/TForm20.h"
#include "composer/windows/TForm21.h"
#include "platform/ui/Dialogs.h"
#include "tests/composer/forms/OutputFormFixture.h"

#include <filesystem>

using namespace composer;

namespace {

using Items = std::vector<std::string>;

class UpGoingForm : public OutputFormTest {
protected:
    UpGoingForm() {
        setting("dqx", "fwjg", "某某市人民政府");
        m_data.write("dqx.ini.qf", text::utf8ToGb18030("王小明\r\n李华\r\n"));
    }
    // The three forms, one after the other, for what they share.
    template <class Check> void forEach(Check check) {
        check(ui::createForm<TForm5>(nullptr));
        check(ui::createForm<TForm6>(nullptr));
        check(ui::createForm<TForm8>(nullptr));
    }
    static std::vector<ui::ComboBox*> signers(FieldLayoutB& form) {
        std::vector<ui::ComboBox*> combos;
        for (ui::ComboBox* combo : form.fields().signers) {
            if (combo)
                combos.push_back(combo);
        }
        return combos;
    }
};

} // namespace

TEST_F(UpGoingForm, WindowsOfOneTwoAndThreeOrMoreAuthorities) {
    TForm5& one = ui::createForm<TForm5>(nullptr);
    EXPECT_EQ(one.caption(), "Brevaro   上行文");
    TForm6& two = ui::createForm<TForm6>(nullptr);
    EXPECT_EQ(two.caption(), "Brevaro     上行文（2个公章）");
    TForm8& three = ui::createForm<TForm8>(nullptr);
    EXPECT_EQ(three.caption(), "Brevaro    上行文（2个以上公章）");

    // Each signer in a frame of its own with its list button, all in one row under the recipients.
    EXPECT_EQ(dynamic_cast<ui::Control*>(one.qfbox.parent())->caption(), "签发人");
    const char* const frames[] = {"签发人一", "签发人二", "签发人三"};
    std::vector<ui::ComboBox*> combos = signers(three);
    ASSERT_EQ(combos.size(), 3u);
    EXPECT_EQ(combos[2], &three.qfbox3);
    for (std::size_t i = 0; i < combos.size(); ++i) {
        auto* frame = dynamic_cast<ui::Control*>(combos[i]->parent());
        EXPECT_EQ(frame->caption(), frames[i]);
        EXPECT_EQ(frame->bounds().top, three.GroupBox4.bounds().top + three.GroupBox4.bounds().height + 4);
        EXPECT_LT(frame->bounds().top + frame->bounds().height, three.GroupBox5.bounds().top);
    }
    EXPECT_EQ(three.findComponent("qfbox2"), &three.qfbox2);
    EXPECT_EQ(signers(two).size(), 2u);

    // The buttons that each form numbers its own way, by their hints.
    const std::pair<ui::Form*, std::vector<std::pair<const char*, const char*>>> hints[] = {
        {&one,
         {{"Button3", "设置签发人"},
          {"Button5", "设置抄送单位"},
          {"Button7", "设置主送单位"},
          {"Button8", "请选择文档插入"},
          {"Button9", "添加新附件"}}},
        {&two,
         {{"Button3", "设置签发人"},
          {"Button5", "设置签发人"},
          {"Button7", "设置抄送单位"},
          {"Button8", "设置主送单位"},
          {"Button9", "请选择文档插入"},
          {"Button10", "添加新附件"}}},
        {&three,
         {{"Button3", "设置签发人"},
          {"Button5", "设置签发人"},
          {"Button7", "设置签发人"},
          {"Button8", "设置抄送单位"},
          {"Button9", "设置主送单位"},
          {"Button10", "请选择文档插入"},
          {"Button11", "添加新附件"}}},
    };
    for (const auto& [form, named] : hints) {
        for (const auto& [name, hint] : named)
            EXPECT_EQ(button(*form, name).hint(), hint) << form->className() << " " << name;
    }
    forEach([](FieldLayoutB& form) {
        EXPECT_TRUE(form.BtnInsertRecord.isDefault());
        EXPECT_FALSE(form.Edit16.visible());
        EXPECT_FALSE(form.Button1.visible());
        EXPECT_TRUE(form.Edit8.readOnly());
        EXPECT_EQ(form.Button2.caption(), "帮助文档");
        EXPECT_EQ(form.Button4.caption(), "检查更新");
    });
}

TEST_F(UpGoingForm, StartsWithTodayTheListsAndTheProfilesWordProcessor) {
    forEach([](FieldLayoutB& form) {
        EXPECT_EQ(form.BtnInsertRecord.caption(), "输出到Word >>");
        EXPECT_EQ(form.ComboBox7.items(), (Items{"某府", "某办"}));
        for (ui::ComboBox* signer : signers(form))
            EXPECT_EQ(signer->items(), (Items{"王小明", "李华"})) << signer->name();
        EXPECT_EQ(form.Edit2.text(), "2026");
        EXPECT_EQ(form.Edit16.text(), " 2026年12月9日印发");
        EXPECT_EQ(form.ComboBox1.text(), "二○二六年");
        EXPECT_EQ(form.ComboBox2.text(), "十二月");
        EXPECT_EQ(form.ComboBox3.text(), "九日");
    });
    setting("某某市人民政府", "wwww", "wps");
    forEach([](FieldLayoutB& form) { EXPECT_EQ(form.BtnInsertRecord.caption(), "输出到Wps >>"); });
}

// A missing list used to end the start-up duties at its load: a WPS profile then made its documents in
// Word, and the dates stayed empty. The signer list is read once for all the form's signer combos.
TEST_F(UpGoingForm, AMissingSignerOrAbbreviationListIsReportedAndTheOtherDutiesAreDone) {
    std::filesystem::remove(m_data.file("dqx.ini.qf"));
    setting("某某市人民政府", "wwww", "wps");
    forEach([&](FieldLayoutB& form) {
        EXPECT_EQ(messages.size(), 1u) << form.className();
        EXPECT_NE(messages.back().find("dqx.ini.qf"), std::string::npos) << messages.back();
        messages.clear();
        for (ui::ComboBox* signer : signers(form))
            EXPECT_EQ(signer->items(), Items{"设置机关代字..."});
        EXPECT_EQ(form.ComboBox7.items(), (Items{"某府", "某办"}));
        EXPECT_EQ(form.BtnInsertRecord.caption(), "输出到Wps >>");
        EXPECT_EQ(form.Edit2.text(), "2026");
        EXPECT_EQ(form.ComboBox3.text(), "九日");
    });

    std::filesystem::remove(m_data.file("dqx.ini.jg"));
    TForm8& form = ui::createForm<TForm8>(nullptr);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("dqx.ini.qf"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("dqx.ini.jg"), std::string::npos) << messages[1];
    EXPECT_EQ(form.Edit16.text(), " 2026年12月9日印发");
    EXPECT_EQ(form.ComboBox1.text(), "二○二六年");
}

// Any signer's button opens the signer editor; on OK every signer combo of the form is loaded again, on
// Cancel none.
TEST_F(UpGoingForm, TheSignerEditorReloadsEverySignerCombo) {
    TForm8& form = ui::createForm<TForm8>(nullptr);
    form.qfbox2.setText("李华");
    then([&](ui::Form& editor) {
        EXPECT_EQ(editor.className(), "TForm20");
        EXPECT_EQ(editor.owner(), &form);
        auto& list = dynamic_cast<TForm20&>(editor);
        list.Memo1.userSetText("王小明\n李华\n赵强");
        list.pressDefaultButton();
    });
    user([&] { form.Button5.click(); });
    for (ui::ComboBox* signer : signers(form))
        EXPECT_EQ(signer->items(), (Items{"王小明", "李华", "赵强"})) << signer->name();

    then([&](ui::Form& editor) {
        auto& list = dynamic_cast<TForm20&>(editor);
        list.Memo1.clear();
        user([&] { list.Button2.userClick(); });
    });
    user([&] { form.Button7.click(); });
    EXPECT_EQ(form.qfbox3.items(), (Items{"王小明", "李华", "赵强"}));
    EXPECT_EQ(readListFile(listFilePath(".qf")), (Items{"王小明", "李华", "赵强"})) << "nothing written";
    EXPECT_TRUE(messages.empty());
}

TEST_F(UpGoingForm, TheFormsOwnButtonsPickUnitsAndAddAttachments) {
    TForm6& form = ui::createForm<TForm6>(nullptr);
    for (auto [picker, caption, field] : {std::tuple{&form.Button7, "选择抄送单位", &form.Edit13},
                                          std::tuple{&form.Button8, "选择主送单位", &form.Edit15}}) {
        then([&, caption = caption](ui::Form& window) {
            EXPECT_EQ(window.caption(), caption);
            auto& units = dynamic_cast<TForm21&>(window);
            units.Memo1.userSetText("市财政局");
            units.pressDefaultButton();
        });
        user([&, picker = picker] { picker->click(); });
        EXPECT_EQ(field->text(), "市财政局");
    }
    headless->queueInputAnswer("通知.doc");
    headless->queueInputAnswer("名单.xls");
    user([&] { form.Button10.click(); });
    user([&] { form.Button10.click(); });
    EXPECT_EQ(form.fj.text(), "1．通知.doc\r\n2．名单.xls");

    TForm8& three = ui::createForm<TForm8>(nullptr);
    headless->queueInputAnswer("方案.doc");
    user([&] { three.Button11.click(); });
    EXPECT_EQ(three.fj.text(), "方案.doc");
    for (ui::Edit* edit : {&three.Edit2, &three.Edit3, &three.Edit14}) {
        edit->setText("");
        edit->userType("1a2.三3");
        EXPECT_EQ(edit->text(), "12.3") << edit->name();
    }
    setting("jg", "某府", "12");
    user([&] { three.ComboBox7.userPick(0); });
    EXPECT_EQ(three.Edit3.text(), "13");
}

TEST_F(UpGoingForm, TheChoosersUpGoingChoicesOpenTheseForms) {
    expectChoicesOpen({{"RadioButton4", "TForm5"}, {"RadioButton5", "TForm6"}, {"RadioButton6", "TForm8"}});
}

TEST_F(UpGoingForm, EachRunTakesItsHostsTemplate) {
    auto twice = [&](FieldLayoutB& form) {
        user([&] { form.BtnInsertRecord.click(); });
        form.Edit13.setText("市委办公室");
        user([&] { form.BtnInsertRecord.click(); });
    };
    forEach(twice);
    setting("某某市人民政府", "wwww", "wps");
    shapes = 8;
    forEach(twice);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Word dqx2.dqx", "Word dqx2.dqx", "Word dqx22.dqx",
                                                     "Word dqx22.dqx", "Word dqx23.dqx", "Word dqx23.dqx",
                                                     "Wps wps2a.dqx", "Wps wps2b.dqx", "Wps dqx22.dqx",
                                                     "Wps dqx22b.dqx", "Wps dqx23.dqx", "Wps dqx23b.dqx"}));
}

// An empty signer goes into the document as its placeholder, by its place among the joint signers; the
// combo itself stays empty.
TEST_F(UpGoingForm, EmptySignersGoInAsTheirPlaceholders) {
    TForm5& one = ui::createForm<TForm5>(nullptr);
    user([&] { one.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("after 13 [此处输入签发人]"));
    EXPECT_EQ(one.qfbox.text(), "");

    TForm6& two = ui::createForm<TForm6>(nullptr);
    user([&] { two.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("after 17 [签发人1]|[签发人2]"));
    two.qfbox2.setText("李华");
    user([&] { two.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("after 17 [签发人1]|李华"));

    TForm8& three = ui::createForm<TForm8>(nullptr);
    three.qfbox.setText("王小明");
    user([&] { three.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("after 20 王小明|[签发人2]|[签发人3]"));
    EXPECT_TRUE(logged("after 18 〔2026〕号")) << "an empty abbreviation still writes the number";
    EXPECT_EQ(three.qfbox2.text(), "");
}

// The one-authority masthead is 44 points unless the profile says otherwise, and its red rule follows
// the up-going adjustment.
TEST_F(UpGoingForm, TheOneAuthorityMastheadHasItsOwnDefaultSizeAndAdjustment) {
    shapes = 4;
    setting("某某市人民政府", "xxfx", "0");
    TForm5& form = ui::createForm<TForm5>(nullptr);
    user([&] { form.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("shape 4 font name=标准公文_小标宋 size=44 scaling=75 bold=0 color=255"));
    EXPECT_TRUE(logged("spacing 8 0.0")) << "a missing sxfx is index 1";

    setting("某某市人民政府", "fontsize", "36");
    setting("某某市人民政府", "sxfx", "0");
    user([&] { form.BtnInsertRecord.click(); });
    EXPECT_TRUE(logged("shape 4 font name=标准公文_小标宋 size=36 scaling=75 bold=0 color=255"));
    EXPECT_FALSE(logged("spacing 8 0.0"));
}

// The one-authority form's Word copy lets a failure through to the program's report, as its WPS copy does;
// the joint forms' Word copies show it, let go of the word processor and minimise.
TEST_F(UpGoingForm, EachWordCopyMeetsAFailureAsItsFormDoes) {
    setting("某某市人民政府", "btsize", "二号");
    TForm5& one = ui::createForm<TForm5>(nullptr);
    user([&] { one.BtnInsertRecord.click(); });
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Error);
    EXPECT_NE(messages.back().find("'二号' is not a valid integer value"), std::string::npos);
    EXPECT_FALSE(host.released);
    EXPECT_EQ(one.windowState(), ui::WindowState::Normal);

    for (FieldLayoutB* form : std::initializer_list<FieldLayoutB*>{&ui::createForm<TForm6>(nullptr),
                                                                   &ui::createForm<TForm8>(nullptr)}) {
        host = {};
        user([&] { form->BtnInsertRecord.click(); });
        EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::None);
        EXPECT_NE(messages.back().find("'二号' is not a valid integer value"), std::string::npos);
        EXPECT_TRUE(host.released);
        EXPECT_EQ(form->windowState(), ui::WindowState::Minimised);
    }
}
