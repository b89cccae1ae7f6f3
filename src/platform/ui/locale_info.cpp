#include "platform/ui/locale_info.h"

#include <QLocale>

#include <algorithm>
#include <string>

int GetLocaleInfo(LCID, LCTYPE type, LPTSTR data, int size) {
    std::wstring value;
    if (type == LOCALE_IFIRSTDAYOFWEEK) {
        // Qt counts Monday as 1 and Sunday as 7.
        value = std::to_wstring(static_cast<int>(QLocale::system().firstDayOfWeek()) - 1);
    } else {
        return 0;
    }
    const int needed = static_cast<int>(value.size()) + 1;
    if (size == 0) return needed;
    if (!data || size < needed) return 0;
    std::copy(value.begin(), value.end(), data);
    data[value.size()] = L'\0';
    return needed;
}
