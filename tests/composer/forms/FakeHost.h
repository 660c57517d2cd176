#pragma once
// A word processor for form tests: it records which template each run opens, whether the run let go of
// it, and what the slot rows asked of the document.

#include "composer/output/OutputHost.h"
#include "tests/composer/forms/RecordingEditor.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

struct HostRecord {
    std::vector<std::string> opened; // "Word dqx1.dqx"
    bool released = false;
    std::vector<std::string> log;
    std::string openFailure; // not empty: opening the template fails with this message
};

class FakeHost : public composer::OutputHost {
public:
    FakeHost(HostRecord& record, int shapes) : m_record(record), m_editor(shapes) {}
    ~FakeHost() override { m_record.log = m_editor.log; }
    composer::DocumentEditor& open(composer::HostKind host, const std::string& templateName,
                                   const composer::AuthorityProfile&) override {
        m_record.opened.push_back((host == composer::HostKind::Wps ? "Wps " : "Word ") + templateName);
        if (!m_record.openFailure.empty())
            throw std::runtime_error(m_record.openFailure);
        return m_editor;
    }
    void release() override { m_record.released = true; }

private:
    HostRecord& m_record;
    RecordingEditor m_editor;
};

} // namespace testsupport
