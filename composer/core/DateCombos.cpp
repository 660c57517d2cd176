#include "composer/core/DateCombos.h"

#include "composer/core/DateParts.h"
#include "platform/ui/ComboBox.h"

namespace composer {

std::vector<std::string> yearComboItems(int currentYear) {
    std::vector<std::string> items;
    for (int year = FirstComboYear; year <= currentYear + 1; ++year)
        items.push_back(chineseYearText(year));
    return items;
}

std::vector<std::string> monthComboItems() {
    std::vector<std::string> items;
    for (int month = 1; month <= 12; ++month)
        items.push_back(chineseMonthText(month));
    return items;
}

std::vector<std::string> dayComboItems() {
    std::vector<std::string> items;
    for (int day = 1; day <= 31; ++day)
        items.push_back(chineseDayText(day));
    return items;
}

void selectDate(ui::ComboBox& year, ui::ComboBox& month, ui::ComboBox& day, int y, int m, int d) {
    year.setItemIndex(y - FirstComboYear);
    month.setItemIndex(m - 1);
    day.setItemIndex(d - 1);
}

} // namespace composer
