#pragma once
// A word processor for form tests: it records what an output run asks of it (host and template, the
// page-layout steps, every document operation) and can fail when the template is opened.

#include "composer/output/OutputHost.h"
#include "platform/automation/Error.h"
#include "tests/composer/forms/RecordingEditor.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct HostRecord {
    std::vector<std::string> opened;        // "Word dqx1.dqx": the host and the template file's name
    std::vector<std::string> templateFiles; // the full paths of those files
    std::vector<composer::PageLayoutSteps> layouts;
    bool released = false;
    std::vector<std::string> log;
    // When set, opening the template fails with this message, as a missing template does.
    std::optional<std::string> failure;
    // When set, the word processor cannot be started.
    bool notStarted = false;
};

class FakeHost : public composer::OutputHost {
public:
    FakeHost(HostRecord& record, int shapes) : m_record(record), m_editor(shapes) {}
    ~FakeHost() override { m_record.log = m_editor.log; }
    composer::DocumentEditor& open(composer::HostKind host, const std::string& templateFile,
                                   const composer::AuthorityProfile&,
                                   const composer::PageLayoutSteps& layout) override {
        if (m_record.notStarted)
            throw composer::HostNotStarted("无法启动文字处理程序。");
        std::string name = std::filesystem::path(templateFile).filename().string();
        m_record.opened.push_back((host == composer::HostKind::Wps ? "Wps " : "Word ") + name);
        m_record.templateFiles.push_back(templateFile);
        m_record.layouts.push_back(layout);
        if (m_record.failure)
            throw automation::Error(*m_record.failure);
        return m_editor;
    }
    void release() override { m_record.released = true; }

private:
    HostRecord& m_record;
    RecordingEditor m_editor;
};

} // namespace testsupport
