#pragma once
// An application on the headless backend, with a queue of steps that act on the forms that run loops:
// each loop (the main form's, or a modal form's) takes the next step.

#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() {
        auto backend = std::make_unique<ui::HeadlessBackend>();
        headless = backend.get();
        app = std::make_unique<ui::Application>(std::move(backend));
        app->setTitle("Test program");
        headless->setDriver([this](ui::Form& form, const std::function<bool()>&) {
            ASSERT_FALSE(steps.empty()) << "no step for " << form.className();
            auto step = std::move(steps.front());
            steps.pop_front();
            step(form);
        });
        headless->onMessage = [this](const ui::HeadlessBackend::MessageRecord& record) {
            messages.push_back(record.request.caption + ": " + record.request.text);
        };
        headless->onNote = [this](ui::HeadlessBackend::Note kind, const std::string& text) {
            (kind == ui::HeadlessBackend::Note::Problem ? problems : notes).push_back(text);
        };
    }
    ~HeadlessTest() override {
        app.reset();
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps were not taken";
    }

    // What the user does while the next form's loop runs.
    void then(std::function<void(ui::Form&)> step) { steps.push_back(std::move(step)); }
    // A user's event, as the message loop delivers it.
    void user(const std::function<void()>& event) { app->deliver(event); }

    ui::HeadlessBackend* headless = nullptr;
    std::unique_ptr<ui::Application> app;
    std::deque<std::function<void(ui::Form&)>> steps;
    std::vector<std::string> messages;
    std::vector<std::string> notes;
    std::vector<std::string> problems;
};
