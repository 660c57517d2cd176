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

PageSetup Section::PageSetup() const {
    m_document->layout().pageFormat(m_index); // the section must exist now
    return automation::PageSetup(m_document, m_index, m_index);
}

int Sections::Count() const {
    return m_document->layout().sectionCount();
}

Section Sections::Item(int index) const {
    m_document->layout().pageFormat(index);
    return Section(m_document, index);
}

} // namespace automation
