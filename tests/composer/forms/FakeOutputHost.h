#pragma once
// An output host that records what a run asks of the word processor instead of making a document.

#include "composer/output/OutputHost.h"
#include "tests/composer/forms/RecordingEditor.h"

#include <string>
#include <vector>

namespace testsupport {

struct HostRecord {
    std::vector<std::string> opened; // "Word dqx1.dqx"
    bool released = false;
    std::vector<std::string> log;
};

class FakeHost : public composer::OutputHost {
public:
    FakeHost(HostRecord& record, int shapes) : m_record(record), m_editor(shapes) {}
    ~FakeHost() override { m_record.log = m_editor.log; }
    composer::DocumentEditor& open(composer::HostKind host, const std::string& templateName,
                                   const composer::AuthorityProfile&) override {
        m_record.opened.push_back((host == composer::HostKind::Wps ? "Wps " : "Word ") + templateName);
        return m_editor;
    }
    void release() override { m_record.released = true; }

private:
    HostRecord& m_record;
    RecordingEditor m_editor;
};

} // namespace testsupport
