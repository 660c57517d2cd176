#include "platform/wordproc/Instance.h"

#include "platform/wordproc/Error.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace wordproc {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::map<std::string, std::shared_ptr<Instance>>& runningInstances() {
    static std::map<std::string, std::shared_ptr<Instance>> instances;
    return instances;
}

} // namespace

std::shared_ptr<Instance> Instance::running(std::string_view progId) {
    auto& instances = runningInstances();
    auto it = instances.find(lowerCase(progId));
    return it == instances.end() ? nullptr : it->second;
}

std::shared_ptr<Instance> Instance::start(std::string_view progId) {
    if (std::shared_ptr<Instance> existing = running(progId))
        return existing;
    std::string key = lowerCase(progId);
    if (key != "word.application" && key != "wps.application")
        throw Error("无效的类字符串：“" + std::string(progId) + "”没有对应的程序。");
    std::shared_ptr<Instance> instance(new Instance(key == "wps.application" ? Flavour::Wps : Flavour::Word));
    runningInstances()[key] = instance;
    return instance;
}

void Instance::requireRunning() const {
    if (!m_running)
        throw Error("文字处理程序已经退出。");
}

void Instance::setVisible(bool visible) {
    requireRunning();
    m_visible = visible;
}

void Instance::setCaption(std::string caption) {
    requireRunning();
    m_caption = std::move(caption);
}

void Instance::setCheckSpellingAsYouType(bool check) {
    requireRunning();
    m_checkSpelling = check;
    for (const std::shared_ptr<Document>& document : liveDocuments())
        document->setProofingMarksHidden(!m_checkSpelling, !m_checkGrammar);
}

void Instance::setCheckGrammarAsYouType(bool check) {
    requireRunning();
    m_checkGrammar = check;
    for (const std::shared_ptr<Document>& document : liveDocuments())
        document->setProofingMarksHidden(!m_checkSpelling, !m_checkGrammar);
}

bool Instance::tableGridlines() const {
    return m_tableGridlines;
}

void Instance::setTableGridlines(bool show) {
    requireRunning();
    activeDocument(); // the window belongs to a document
    m_tableGridlines = show;
}

std::shared_ptr<Document> Instance::addDocument(const std::string& templatePath) {
    requireRunning();
    std::shared_ptr<Document> document = Document::load(templatePath, DocumentKind::New, m_flavour);
    document->setHost(weak_from_this());
    if (!m_checkSpelling || !m_checkGrammar)
        document->setProofingMarksHidden(!m_checkSpelling, !m_checkGrammar);
    m_documents.push_back({document, nullptr});
    return document;
}

std::shared_ptr<Document> Instance::openDocument(const std::string& path) {
    requireRunning();
    std::shared_ptr<Document> document = Document::load(path, DocumentKind::Opened, m_flavour);
    document->setHost(weak_from_this());
    m_documents.push_back({document, document});
    return document;
}

std::vector<std::shared_ptr<Document>> Instance::liveDocuments() {
    std::vector<std::shared_ptr<Document>> live;
    std::erase_if(m_documents, [&](const Entry& entry) {
        std::shared_ptr<Document> document = entry.document.lock();
        if (!document || !document->isOpen())
            return true;
        live.push_back(document);
        return false;
    });
    return live;
}

int Instance::documentCount() {
    requireRunning();
    return static_cast<int>(liveDocuments().size());
}

std::shared_ptr<Document> Instance::document(int n) {
    requireRunning();
    std::vector<std::shared_ptr<Document>> live = liveDocuments();
    if (n < 1 || n > static_cast<int>(live.size()))
        throw Error("所要求的文档不存在：第 " + std::to_string(n) + " 个（共 " + std::to_string(live.size()) +
                    " 个）。");
    return live[static_cast<std::size_t>(n - 1)];
}

std::shared_ptr<Document> Instance::activeDocument() {
    requireRunning();
    std::vector<std::shared_ptr<Document>> live = liveDocuments();
    if (live.empty())
        throw Error("没有打开的文档，无法执行此命令。");
    return live.back();
}

void Instance::activate(const std::shared_ptr<Document>& document) {
    requireRunning();
    auto entry = std::find_if(m_documents.begin(), m_documents.end(),
                              [&](const Entry& item) { return item.document.lock() == document; });
    if (entry == m_documents.end() || !document->isOpen())
        throw Error("这个文档没有在文字处理程序中打开。");
    // The active document is the last entry.
    std::rotate(entry, entry + 1, m_documents.end());
    m_windowActivated.emit(document);
}

CommandBarSet& Instance::commandBars() {
    requireRunning();
    return m_commandBars;
}

void Instance::quit() {
    requireRunning();
    m_commandBars.clear();
    for (Entry& entry : m_documents) {
        if (entry.kept)
            entry.kept->close();
    }
    m_documents.clear();
    m_running = false;
    auto& instances = runningInstances();
    std::erase_if(instances, [&](const auto& item) { return item.second.get() == this; });
}

} // namespace wordproc
