#include "composer/core/DateCombos.h"

#include "composer/core/DateParts.h"
#include "platform/ui/ComboBox.h"

namespace composer {

namespace {

std::string itemText(int number, const char* unit, std::string (*chinese)(int), Numerals numerals) {
    return numerals == Numerals::Arabic ? std::to_string(number) + unit : chinese(number);
}

std::vector<std::string> items(int first, int last, const char* unit, std::string (*chinese)(int),
                               Numerals numerals) {
    std::vector<std::string> texts;
    for (int number = first; number <= last; ++number)
        texts.push_back(itemText(number, unit, chinese, numerals));
    return texts;
}

} // namespace

std::vector<std::string> yearComboItems(int currentYear, Numerals numerals, int firstYear) {
    return items(firstYear, currentYear + 1, "年", chineseYearText, numerals);
}

std::vector<std::string> monthComboItems(Numerals numerals) {
    return items(1, 12, "月", chineseMonthText, numerals);
}

std::vector<std::string> dayComboItems(Numerals numerals) {
    return items(1, 31, "日", chineseDayText, numerals);
}

void selectDate(ui::ComboBox& year, ui::ComboBox& month, ui::ComboBox& day, int y, int m, int d) {
    year.setItemIndex(y - FirstComboYear);
    month.setItemIndex(m - 1);
    day.setItemIndex(d - 1);
}

} // namespace composer
