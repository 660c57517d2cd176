// Real windows on the offscreen platform: the components are found by name, typed keys pass the key
// filter, Enter presses the default button of a modal form and clicks reach the model.
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/qt/Localisation.h"
#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtPeer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class Sample : public ui::Form {
public:
    explicit Sample(ui::Form* owner)
        : ui::Form("TSample", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
          RadioButton1(add<ui::RadioButton>("RadioButton1", GroupBox1)),
          RadioButton2(add<ui::RadioButton>("RadioButton2", GroupBox1)), Label1(add<ui::Label>("Label1")),
          Edit1(add<ui::Edit>("Edit1")), Memo2(add<ui::RichEdit>("Memo2")),
          ComboBox1(add<ui::ComboBox>("ComboBox1")), ListBox1(add<ui::ListBox>("ListBox1")),
          CheckBox1(add<ui::CheckBox>("CheckBox1")), Button1(add<ui::Button>("Button1")) {
        setCaption("请选择行文格式：");
        setBounds(0, 0, 458, 357);
        setPosition(ui::FormPosition::ScreenCenter);
        GroupBox1.setCaption("下行（平行）文");
        GroupBox1.setBounds(8, 8, 200, 80);
        RadioButton1.setCaption("标准");
        RadioButton1.setBounds(8, 20, 150, 20);
        RadioButton2.setCaption("联合发文（2个公章）");
        RadioButton2.setBounds(8, 44, 150, 20);
        Label1.setCaption("发文字号");
        Label1.setBounds(220, 8, 0, 0);
        Edit1.setBounds(220, 30, 100, 22);
        Edit1.OnKeyPress = [](char32_t& key) {
            if (key != 8 && key != U'.' && (key < U'0' || key > U'9'))
                key = 0;
        };
        Memo2.setBounds(8, 100, 300, 100);
        ComboBox1.setBounds(220, 60, 100, 22);
        ComboBox1.setItems({"国办发", "国发"});
        ComboBox1.OnChange = [this] { ++comboChanges; };
        ListBox1.setBounds(320, 100, 100, 100);
        ListBox1.setItems({"财政局", "教育局"});
        CheckBox1.setCaption("粗体");
        CheckBox1.setBounds(8, 210, 100, 20);
        Button1.setCaption("下一步 >>");
        Button1.setBounds(340, 290, 100, 25);
        Button1.setDefault(true);
        Button1.setModalResult(ui::mrOk);
    }
    ui::GroupBox& GroupBox1;
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2;
    ui::Label& Label1;
    ui::Edit& Edit1;
    ui::RichEdit& Memo2;
    ui::ComboBox& ComboBox1;
    ui::ListBox& ListBox1;
    ui::CheckBox& CheckBox1;
    ui::Button& Button1;
    int comboChanges = 0;
};

class QtSmokeTest : public ::testing::Test {
protected:
    QtSmokeTest() : app(ui::qt::makeBackend(argc, argv)) {}

    // The form's window, among the application's top-level windows.
    QDialog* window(const ui::Form& form) const {
        auto* peer = dynamic_cast<ui::qt::QtPeer*>(form.peer());
        for (QWidget* top : QApplication::topLevelWidgets())
            if (peer && top == peer->widget() &&
                top->objectName() == QString::fromStdString(form.className()))
                return qobject_cast<QDialog*>(top);
        return nullptr;
    }
    template <class W> W* child(const ui::Form& form, const char* name) const {
        QDialog* top = window(form);
        return top ? top->findChild<W*>(name) : nullptr;
    }

    int argc = 1;
    char name[8] = "smoke";
    char* argv[2] = {name, nullptr};
    ui::Application app;
};

} // namespace

TEST_F(QtSmokeTest, ComponentsAreWidgetsFoundByName) {
    auto& form = app.createForm<Sample>();
    form.show();
    QDialog* top = window(form);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), QString("请选择行文格式："));
    ASSERT_NE(child<QGroupBox>(form, "GroupBox1"), nullptr);
    EXPECT_EQ(child<QGroupBox>(form, "GroupBox1")->title(), QString("下行（平行）文"));
    EXPECT_EQ(child<QRadioButton>(form, "RadioButton2")->parentWidget(), child<QGroupBox>(form, "GroupBox1"));
    EXPECT_EQ(child<QLabel>(form, "Label1")->text(), QString("发文字号"));
    EXPECT_EQ(child<QPushButton>(form, "Button1")->text(), QString("下一步 >>"));
    EXPECT_EQ(child<QPushButton>(form, "Button1")->geometry(), QRect(340, 290, 100, 25));
    EXPECT_EQ(child<QComboBox>(form, "ComboBox1")->count(), 2);
    EXPECT_EQ(child<QListWidget>(form, "ListBox1")->count(), 2);
    EXPECT_NE(child<QPlainTextEdit>(form, "Memo2"), nullptr);

    // Code changes reach the widgets.
    form.Edit1.setText("2011");
    form.Button1.setEnabled(false);
    form.Memo2.setLines({"第一行", "第二行"});
    form.ComboBox1.setItemIndex(1);
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), QString("2011"));
    EXPECT_FALSE(child<QPushButton>(form, "Button1")->isEnabled());
    EXPECT_EQ(child<QPlainTextEdit>(form, "Memo2")->toPlainText(), QString("第一行\n第二行"));
    EXPECT_EQ(child<QComboBox>(form, "ComboBox1")->currentText(), QString("国发"));
}

TEST_F(QtSmokeTest, TypedKeysPassTheFilterAndClicksReachTheModel) {
    auto& form = app.createForm<Sample>();
    form.show();
    QTest::keyClicks(child<QLineEdit>(form, "Edit1"), "1a2.b3");
    EXPECT_EQ(form.Edit1.text(), "12.3");
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), QString("12.3"));
    QTest::keyClick(child<QLineEdit>(form, "Edit1"), Qt::Key_Backspace);
    EXPECT_EQ(form.Edit1.text(), "12.");

    QTest::keyClicks(child<QPlainTextEdit>(form, "Memo2"), "ab");
    QTest::keyClick(child<QPlainTextEdit>(form, "Memo2"), Qt::Key_Return);
    QTest::keyClicks(child<QPlainTextEdit>(form, "Memo2"), "c");
    EXPECT_EQ(form.Memo2.text(), "ab\r\nc");

    QTest::mouseClick(child<QRadioButton>(form, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>(form, "RadioButton2"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>(form, "RadioButton2"), Qt::LeftButton);
    EXPECT_FALSE(form.RadioButton1.checked());
    EXPECT_TRUE(form.RadioButton2.checked());
    EXPECT_FALSE(child<QRadioButton>(form, "RadioButton1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(form, "RadioButton2")->isChecked()) << "a second click keeps it checked";

    QTest::mouseClick(child<QCheckBox>(form, "CheckBox1"), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(form.CheckBox1.checked());
}

TEST_F(QtSmokeTest, InputMethodTextPassesTheFilterToo) {
    auto& form = app.createForm<Sample>();
    form.show();
    const auto commit = [](QWidget* widget, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(widget, &event);
    };
    commit(child<QLineEdit>(form, "Edit1"), "二○一一年2011");
    EXPECT_EQ(form.Edit1.text(), "2011");
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), QString("2011"));

    commit(child<QComboBox>(form, "ComboBox1")->lineEdit(), "国发");
    EXPECT_EQ(form.ComboBox1.text(), "国发");
    EXPECT_EQ(form.ComboBox1.itemIndex(), 1);
    EXPECT_EQ(form.comboChanges, 1);
}

TEST_F(QtSmokeTest, EnterInAModalFormPressesItsDefaultButton) {
    auto& main = app.createForm<Sample>();
    main.show();
    auto& dialog = ui::createForm<Sample>(&main);
    bool typed = false;
    QTimer::singleShot(0, [&] {
        QLineEdit* edit = child<QLineEdit>(dialog, "Edit1");
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(window(dialog)->isModal());
        QTest::keyClicks(edit, "7");
        QTest::keyClick(edit, Qt::Key_Return);
        typed = true;
    });
    EXPECT_EQ(dialog.showModal(), ui::mrOk);
    EXPECT_TRUE(typed);
    EXPECT_EQ(dialog.Edit1.text(), "7");
    EXPECT_FALSE(window(dialog)->isVisible());

    // Closing the window cancels the modal form.
    QTimer::singleShot(0, [&] { window(dialog)->close(); });
    EXPECT_EQ(dialog.showModal(), ui::mrCancel);
}

TEST_F(QtSmokeTest, TheMainWindowMinimisesAndClosingItEndsTheProgram) {
    auto& main = app.createForm<Sample>();
    bool minimised = false;
    QTimer::singleShot(0, [&] {
        main.setWindowState(ui::WindowState::Minimised);
        minimised = window(main)->windowState() & Qt::WindowMinimized;
        main.setWindowState(ui::WindowState::Normal);
        window(main)->close();
    });
    app.run();
    EXPECT_TRUE(minimised);
    EXPECT_EQ(main.windowState(), ui::WindowState::Normal);
    EXPECT_TRUE(app.terminated());
    EXPECT_FALSE(window(main)->isVisible());
}

TEST_F(QtSmokeTest, PastedAndDroppedTextPassesTheFilter) {
    auto& form = app.createForm<Sample>();
    form.show();
    QLineEdit* edit = child<QLineEdit>(form, "Edit1");
    QApplication::clipboard()->setText("2a0b1c1");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Edit1.text(), "2011");
    EXPECT_EQ(edit->text(), QString("2011"));
    QApplication::clipboard()->setText("号.5\n66");
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form.Edit1.text(), "2011.5") << "the first line only, filtered";

    QMimeData dropped;
    dropped.setText("x9y");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text().count(QChar(u'9')), 1) << edit->text().toStdString();
    EXPECT_FALSE(edit->text().contains('x'));
    EXPECT_EQ(form.Edit1.text(), ui::qt::fromQt(edit->text()));

    // A memo without a filter takes the clipboard as it is, line breaks included.
    QApplication::clipboard()->setText("第一段\n第二段");
    QTest::keyClick(child<QPlainTextEdit>(form, "Memo2"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段");
    form.Memo2.OnKeyPress = [](char32_t& key) {
        if (key == U'段')
            key = 0;
    };
    QApplication::clipboard()->setText("段落");
    QTest::keyClick(child<QPlainTextEdit>(form, "Memo2"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段落");
}

TEST_F(QtSmokeTest, TabLeavesAMemoUnlessItWantsTabs) {
    auto& form = app.createForm<Sample>();
    form.show();
    QApplication::setActiveWindow(window(form));
    QPlainTextEdit* memo = child<QPlainTextEdit>(form, "Memo2");
    memo->setFocus();
    ASSERT_TRUE(memo->hasFocus());
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(form.Memo2.text(), "");
    EXPECT_FALSE(memo->hasFocus()) << "the focus moved on";

    form.Memo2.setWantTabs(true);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(form.Memo2.text(), "\t");
    EXPECT_TRUE(memo->hasFocus());
}

TEST_F(QtSmokeTest, AReadOnlyDropDownShowsAnyTextAndTakesNoTyping) {
    auto& form = app.createForm<Sample>();
    form.ComboBox1.setReadOnly(true);
    form.ComboBox1.setText("某某市人民政府");
    form.show();
    QComboBox* combo = child<QComboBox>(form, "ComboBox1");
    EXPECT_EQ(combo->currentText(), QString("某某市人民政府"));
    QTest::keyClicks(combo->lineEdit(), "x");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(form.ComboBox1.text(), "某某市人民政府");
    EXPECT_EQ(combo->currentText(), QString("某某市人民政府"));
}

TEST_F(QtSmokeTest, StandardButtonsSpeakTheUsersLanguage) {
    QTranslator translator;
    ASSERT_TRUE(ui::qt::installQtTranslations(translator, QLocale(QLocale::Chinese, QLocale::China)))
        << "Qt's translations (qt6-translations-l10n) are installed";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString("取消"));
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith("是"));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith("否"));
    QCoreApplication::removeTranslator(&translator);
    QTranslator none;
    EXPECT_FALSE(ui::qt::installQtTranslations(none, QLocale(QLocale::Esperanto)));
}

TEST_F(QtSmokeTest, TheInterfaceFontIsFontconfigsChineseSansSerif) {
    const QString family = ui::qt::chineseSansSerifFamily();
    ASSERT_FALSE(family.isEmpty());
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
        << family.toStdString();
    EXPECT_EQ(QApplication::font().family(), family);
}
