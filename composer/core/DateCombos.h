#pragma once
// The items of the signing-date combos and today's selection in them.

#include <string>
#include <vector>

namespace ui {
class ComboBox;
}

namespace composer {

// The first year of the year combo; an item's index is its year minus this.
constexpr int FirstComboYear = 2011;

// The numerals of the items: "二○一一年", "一月", "一日" or "2011年", "1月", "1日".
enum class Numerals { Chinese, Arabic };

// The first year (2011 unless a form says otherwise) through the year after the given one, so that the
// current year is always there.
std::vector<std::string> yearComboItems(int currentYear, Numerals numerals = Numerals::Chinese,
                                        int firstYear = FirstComboYear);
// The twelve months and the 31 days.
std::vector<std::string> monthComboItems(Numerals numerals = Numerals::Chinese);
std::vector<std::string> dayComboItems(Numerals numerals = Numerals::Chinese);

// Selects the year, month and day (year - 2011, month - 1, day - 1); a year outside the list selects none.
void selectDate(ui::ComboBox& year, ui::ComboBox& month, ui::ComboBox& day, int y, int m, int d);

} // namespace composer
