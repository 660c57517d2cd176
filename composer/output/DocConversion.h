#pragma once
// Old binary Word documents (".doc") are turned into ".docx" by LibreOffice before they are read.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace composer {

// A document that could not be converted; what() is the message for the user.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A ".docx" made from a ".doc" in a temporary folder, removed with the object.
class ConvertedDocument {
public:
    // Throws ConversionError when LibreOffice is not installed or cannot convert the file.
    explicit ConvertedDocument(const std::string& docPath);
    ~ConvertedDocument();
    ConvertedDocument(const ConvertedDocument&) = delete;
    ConvertedDocument& operator=(const ConvertedDocument&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::string m_path;
};

// The file name's extension in lower case, with its dot (".txt"), or empty.
std::string lowerCaseExtension(const std::string& path);

// True for a name whose extension is ".doc" in any letter case.
bool isBinaryWordDocument(const std::string& path);

} // namespace composer
