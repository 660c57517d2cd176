#pragma once
// The windows as a Chinese desktop user expects them: Qt's own texts (standard buttons, the file
// dialog) in the user's language, and an interface font that covers Chinese evenly.

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace ui::qt {

// Loads Qt's own translations for the locale from Qt's translations folder into the translator and
// installs it. False when Qt has none for that language (English needs none).
bool installQtTranslations(QTranslator& translator, const QLocale& locale);

// The family that fontconfig chooses for sans-serif text in simplified Chinese; empty when fontconfig
// finds none.
QString chineseSansSerifFamily();

// Makes that family the application's font at the size Qt chose; the captions are Chinese whatever the
// locale, so Qt's first match, which may mix a serif face with digits from another, is not kept.
void useChineseInterfaceFont();

} // namespace ui::qt
