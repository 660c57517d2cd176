#include "platform/automation/PageSetup.h"

#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentLayout.h"
#include "platform/wordproc/Formats.h"

namespace automation {

namespace {

template <typename Field, typename Value>
wordproc::PageFormat only(Field wordproc::PageFormat::*field, Value value) {
    wordproc::PageFormat format;
    format.*field = value;
    return format;
}

} // namespace

void PageSetup::apply(const wordproc::PageFormat& format) const {
    m_document->layout().apply(m_first, m_last, format);
}

wordproc::PageFormat PageSetup::current() const {
    return m_document->layout().pageFormat(m_first);
}

float PageSetup::topMargin() const {
    return *current().topMargin;
}

void PageSetup::setTopMargin(float points) const {
    apply(only(&wordproc::PageFormat::topMargin, points));
}

float PageSetup::bottomMargin() const {
    return *current().bottomMargin;
}

void PageSetup::setBottomMargin(float points) const {
    apply(only(&wordproc::PageFormat::bottomMargin, points));
}

float PageSetup::leftMargin() const {
    return *current().leftMargin;
}

void PageSetup::setLeftMargin(float points) const {
    apply(only(&wordproc::PageFormat::leftMargin, points));
}

float PageSetup::rightMargin() const {
    return *current().rightMargin;
}

void PageSetup::setRightMargin(float points) const {
    apply(only(&wordproc::PageFormat::rightMargin, points));
}

float PageSetup::pageWidth() const {
    return *current().pageWidth;
}

void PageSetup::setPageWidth(float points) const {
    apply(only(&wordproc::PageFormat::pageWidth, points));
}

float PageSetup::pageHeight() const {
    return *current().pageHeight;
}

void PageSetup::setPageHeight(float points) const {
    apply(only(&wordproc::PageFormat::pageHeight, points));
}

float PageSetup::headerDistance() const {
    return *current().headerDistance;
}

void PageSetup::setHeaderDistance(float points) const {
    apply(only(&wordproc::PageFormat::headerDistance, points));
}

float PageSetup::footerDistance() const {
    return *current().footerDistance;
}

void PageSetup::setFooterDistance(float points) const {
    apply(only(&wordproc::PageFormat::footerDistance, points));
}

float PageSetup::gutter() const {
    return *current().gutter;
}

void PageSetup::setGutter(float points) const {
    apply(only(&wordproc::PageFormat::gutter, points));
}

int PageSetup::orientation() const {
    return *current().orientation;
}

void PageSetup::setOrientation(int orientation) const {
    apply(only(&wordproc::PageFormat::orientation, orientation));
}

int PageSetup::charsLine() const {
    return *current().charsLine;
}

void PageSetup::setCharsLine(int characters) const {
    apply(only(&wordproc::PageFormat::charsLine, characters));
}

int PageSetup::linesPage() const {
    return *current().linesPage;
}

void PageSetup::setLinesPage(int lines) const {
    apply(only(&wordproc::PageFormat::linesPage, lines));
}

bool PageSetup::mirrorMargins() const {
    return *current().mirrorMargins;
}

void PageSetup::setMirrorMargins(bool mirror) const {
    apply(only(&wordproc::PageFormat::mirrorMargins, mirror));
}

bool PageSetup::differentFirstPageHeaderFooter() const {
    return *current().differentFirstPage;
}

void PageSetup::setDifferentFirstPageHeaderFooter(bool different) const {
    apply(only(&wordproc::PageFormat::differentFirstPage, different));
}

bool PageSetup::oddAndEvenPagesHeaderFooter() const {
    return *current().oddAndEvenPages;
}

void PageSetup::setOddAndEvenPagesHeaderFooter(bool different) const {
    apply(only(&wordproc::PageFormat::oddAndEvenPages, different));
}

int PageSetup::sectionStart() const {
    return *current().sectionStart;
}

void PageSetup::setSectionStart(int start) const {
    apply(only(&wordproc::PageFormat::sectionStart, start));
}

int PageSetup::firstPageTray() const {
    return *current().firstPageTray;
}

void PageSetup::setFirstPageTray(int tray) const {
    apply(only(&wordproc::PageFormat::firstPageTray, tray));
}

int PageSetup::otherPagesTray() const {
    return *current().otherPagesTray;
}

void PageSetup::setOtherPagesTray(int tray) const {
    apply(only(&wordproc::PageFormat::otherPagesTray, tray));
}

int PageSetup::verticalAlignment() const {
    return *current().verticalAlignment;
}

void PageSetup::setVerticalAlignment(int alignment) const {
    apply(only(&wordproc::PageFormat::verticalAlignment, alignment));
}

bool PageSetup::suppressEndnotes() const {
    return *current().suppressEndnotes;
}

void PageSetup::setSuppressEndnotes(bool suppress) const {
    apply(only(&wordproc::PageFormat::suppressEndnotes, suppress));
}

bool PageSetup::twoPagesOnOne() const {
    return *current().twoPagesOnOne;
}

void PageSetup::setTwoPagesOnOne(bool twoOnOne) const {
    apply(only(&wordproc::PageFormat::twoPagesOnOne, twoOnOne));
}

bool PageSetup::bookFoldPrinting() const {
    return *current().bookFoldPrinting;
}

void PageSetup::setBookFoldPrinting(bool bookFold) const {
    apply(only(&wordproc::PageFormat::bookFoldPrinting, bookFold));
}

bool PageSetup::bookFoldRevPrinting() const {
    return *current().bookFoldRevPrinting;
}

void PageSetup::setBookFoldRevPrinting(bool reverse) const {
    apply(only(&wordproc::PageFormat::bookFoldRevPrinting, reverse));
}

int PageSetup::bookFoldPrintingSheets() const {
    return *current().bookFoldPrintingSheets;
}

void PageSetup::setBookFoldPrintingSheets(int sheets) const {
    apply(only(&wordproc::PageFormat::bookFoldPrintingSheets, sheets));
}

int PageSetup::gutterPos() const {
    return *current().gutterPos;
}

void PageSetup::setGutterPos(int position) const {
    apply(only(&wordproc::PageFormat::gutterPos, position));
}

int PageSetup::layoutMode() const {
    return *current().layoutMode;
}

void PageSetup::setLayoutMode(int mode) const {
    apply(only(&wordproc::PageFormat::layoutMode, mode));
}

LineNumbering PageSetup::LineNumbering() const {
    return automation::LineNumbering(m_document, m_first, m_last);
}

bool LineNumbering::active() const {
    return *m_document->layout().pageFormat(m_first).lineNumbering;
}

void LineNumbering::setActive(bool active) const {
    m_document->layout().apply(m_first, m_last, only(&wordproc::PageFormat::lineNumbering, active));
}

} // namespace automation
