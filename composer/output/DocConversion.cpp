#include "composer/output/DocConversion.h"

#include "platform/shell/Shell.h"

#include <algorithm>
#include <cstdlib>

namespace composer {

namespace {

std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dqx-import-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw ConversionError("无法导入文档：不能建立临时文件夹。");
    return pattern;
}

} // namespace

std::string lowerCaseExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isBinaryWordDocument(const std::string& path) {
    return lowerCaseExtension(path) == ".doc";
}

ConvertedDocument::ConvertedDocument(const std::string& docPath) {
    std::string office = shell::findProgram("soffice");
    if (office.empty())
        office = shell::findProgram("libreoffice");
    if (office.empty())
        throw ConversionError("无法导入“" + docPath +
                              "”：读取.doc文档需要安装LibreOffice，或请先另存为.docx文档。");
    m_folder = makeTemporaryFolder();
    // A profile of its own, so that a LibreOffice the user has open does not take the conversion over.
    std::string profile = "-env:UserInstallation=file://" + (m_folder / "profile").string();
    int code = shell::runProgram(
        {office, profile, "--headless", "--convert-to", "docx", "--outdir", m_folder.string(), docPath});
    std::filesystem::path converted =
        m_folder / std::filesystem::path(docPath).filename().replace_extension(".docx");
    std::error_code ignored;
    if (code != 0 || !std::filesystem::is_regular_file(converted, ignored)) {
        std::filesystem::remove_all(m_folder, ignored);
        throw ConversionError("无法导入“" + docPath + "”：LibreOffice不能转换这个文档。");
    }
    m_path = converted.string();
}

ConvertedDocument::~ConvertedDocument() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

} // namespace composer
