#pragma once
// Names that OOXML packages use: relationship types, content types and fixed part names.

namespace wordproc::names {

inline constexpr const char* ContentTypesPart = "[Content_Types].xml";
inline constexpr const char* PackageRelationshipsPart = "_rels/.rels";

inline constexpr const char* RelOfficeDocument =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* RelStyles =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr const char* RelSettings =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
inline constexpr const char* RelFontTable =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable";
inline constexpr const char* RelFooter =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer";
inline constexpr const char* RelHeader =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/header";
inline constexpr const char* RelNumbering =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering";
inline constexpr const char* RelTheme =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme";
inline constexpr const char* RelImage =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

inline constexpr const char* TypeRelationships = "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr const char* TypeXml = "application/xml";
inline constexpr const char* TypeDocumentMain =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
inline constexpr const char* TypeTemplateMain =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml";
inline constexpr const char* TypeDocumentMacroMain = "application/vnd.ms-word.document.macroEnabled.main+xml";
inline constexpr const char* TypeTemplateMacroMain =
    "application/vnd.ms-word.template.macroEnabledTemplate.main+xml";
inline constexpr const char* TypeStyles =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
inline constexpr const char* TypeSettings =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml";
inline constexpr const char* TypeFontTable =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml";
inline constexpr const char* TypeFooter =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml";
inline constexpr const char* TypeHeader =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml";
inline constexpr const char* TypeNumbering =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml";
inline constexpr const char* TypeTheme = "application/vnd.openxmlformats-officedocument.theme+xml";

inline constexpr const char* NamespaceW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* NamespaceR =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

} // namespace wordproc::names
