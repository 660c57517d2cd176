// Modal forms: results, nesting, closing and termination.
#include "HeadlessFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"

namespace {

// An editor as the list editors are: OK with a modal result and a handler, Cancel without handler.
class Editor : public ui::Form {
public:
    explicit Editor(ui::Form* owner)
        : ui::Form("TEditor", owner), Edit1(add<ui::Edit>("Edit1")), Button1(add<ui::Button>("Button1")),
          Button2(add<ui::Button>("Button2")), Button3(add<ui::Button>("Button3")) {
        Button1.setModalResult(ui::mrOk);
        Button1.setDefault(true);
        Button1.OnClick = [this] { saved = Edit1.text(); };
        Button2.setModalResult(ui::mrCancel);
        // A check that keeps the form open, as a handler may do after the button set the result.
        Button3.setModalResult(ui::mrOk);
        Button3.OnClick = [this] {
            if (Edit1.text().empty())
                setModalResult(ui::mrNone);
        };
    }
    ui::Edit& Edit1;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;
    std::string saved;
};

// A document form whose button opens an editor and reads it back when the result is OK.
class Document : public ui::Form {
public:
    explicit Document(ui::Form* owner)
        : ui::Form("TDocument", owner), Edit9(add<ui::Edit>("Edit9")), Button2(add<ui::Button>("Button2")) {
        Button2.OnClick = [this] { Button2Click(); };
    }
    ui::Edit& Edit9;
    ui::Button& Button2;
    ui::ModalResult editorResult = ui::mrNone;

private:
    void Button2Click() {
        auto& editor = ui::createForm<Editor>(this);
        editor.Edit1.setText(Edit9.text());
        editorResult = editor.showModal();
        if (editorResult == ui::mrOk)
            Edit9.setText(editor.Edit1.text());
    }
};

using ModalTest = HeadlessTest;

} // namespace

TEST_F(ModalTest, ButtonsEndTheModalLoopWithTheirResult) {
    auto& editor = ui::createForm<Editor>(nullptr);
    then([&](ui::Form& running) {
        EXPECT_EQ(&running, &editor);
        EXPECT_TRUE(editor.isModal());
        user([&] { editor.Edit1.userType("abc\n"); }); // Enter: the default button
    });
    EXPECT_EQ(editor.showModal(), ui::mrOk);
    EXPECT_EQ(editor.saved, "abc");
    EXPECT_FALSE(editor.visible());
    EXPECT_FALSE(editor.isModal());

    then([&](ui::Form&) { user([&] { editor.Button2.userClick(); }); });
    EXPECT_EQ(editor.showModal(), ui::mrCancel);

    then([&](ui::Form&) { user([&] { editor.close(); }); });
    EXPECT_EQ(editor.showModal(), ui::mrCancel) << "closing a modal form cancels it";
}

TEST_F(ModalTest, AHandlerCanKeepTheFormOpen) {
    auto& editor = ui::createForm<Editor>(nullptr);
    then([&](ui::Form&) {
        user([&] { editor.Button3.userClick(); });
        EXPECT_FALSE(editor.modalDone());
        user([&] { editor.Edit1.userSetText("x"); });
        user([&] { editor.Button3.userClick(); });
        EXPECT_TRUE(editor.modalDone());
    });
    EXPECT_EQ(editor.showModal(), ui::mrOk);
}

TEST_F(ModalTest, AVisibleFormCannotBeShownModally) {
    auto& editor = ui::createForm<Editor>(nullptr);
    editor.show();
    EXPECT_THROW(editor.showModal(), ui::Error);
}

TEST_F(ModalTest, NestedModalFormsHandTheirResultBack) {
    auto& document = app->createForm<Document>();
    Editor* opened = nullptr;
    then([&](ui::Form& running) {
        EXPECT_EQ(&running, &document);
        user([&] { document.Edit9.userSetText("办公室"); });
        user([&] { document.Button2.userClick(); }); // runs the editor's loop below, then returns
        EXPECT_EQ(document.editorResult, ui::mrOk);
        EXPECT_EQ(document.Edit9.text(), "办公室，财务处");
        user([&] { document.Button2.userClick(); });
        EXPECT_EQ(document.editorResult, ui::mrCancel);
        EXPECT_EQ(document.Edit9.text(), "办公室，财务处");
        user([&] { document.close(); });
    });
    then([&](ui::Form& running) {
        opened = dynamic_cast<Editor*>(&running);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(app->topForm(), opened);
        EXPECT_EQ(opened->owner(), &document);
        EXPECT_EQ(opened->Edit1.text(), "办公室");
        user([&] { opened->Edit1.userType("，财务处"); });
        user([&] { opened->Button1.userClick(); });
    });
    then([&](ui::Form& running) {
        EXPECT_NE(&running, opened) << "a new editor each time";
        user([&] { static_cast<Editor&>(running).Edit1.userType("x"); });
        user([&] { static_cast<Editor&>(running).Button2.userClick(); });
    });
    app->run();
    EXPECT_TRUE(app->terminated());
}

TEST_F(ModalTest, TerminateEndsEveryLoop) {
    auto& document = app->createForm<Document>();
    then([&](ui::Form&) { user([&] { document.Button2.userClick(); }); });
    then([&](ui::Form&) { app->terminate(); });
    app->run();
    EXPECT_EQ(document.editorResult, ui::mrCancel);
    EXPECT_TRUE(notes.empty()) << notes.front();
}

TEST_F(ModalTest, AFormThatNobodyClosesEndsWithCancel) {
    auto& editor = ui::createForm<Editor>(nullptr);
    then([&](ui::Form&) { user([&] { editor.Edit1.userType("typed"); }); });
    EXPECT_EQ(editor.showModal(), ui::mrCancel);
    EXPECT_EQ(notes, (std::vector<std::string>{"TEditor closed with Cancel: nothing more acts on it"}));
}
