#include "platform/ui/find_nls_string.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <cwchar>

namespace {

QString Text(LPCWSTR text, int length) {
    if (!text) return QString();
    if (length < 0) length = static_cast<int>(std::wcslen(text));
    return QString::fromWCharArray(text, length).normalized(QString::NormalizationForm_C);
}

// Lower case by the language's own rules first (Turkish "I" is dotless), then the full folding.
QString Folded(const QString& text, const QLocale& locale) { return locale.toLower(text).toCaseFolded(); }

// One collator per language and case rule: a search runs for every name of a list as it is typed.
const QCollator& CollatorFor(const QLocale& locale, bool ignoreCase) {
    thread_local QCollator collators[2];
    thread_local QString names[2];
    const int k = ignoreCase ? 1 : 0;
    if (names[k] != locale.name() || collators[k].locale() != locale) {
        collators[k] = QCollator(locale);
        collators[k].setCaseSensitivity(ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
        names[k] = locale.name();
    }
    return collators[k];
}

}  // namespace

int FindNLSString(LCID, DWORD flags, LPCWSTR source, int sourceLength, LPCWSTR value, int valueLength, int* found) {
    if (found) *found = 0;
    const QLocale locale = QLocale::system();
    const bool ignoreCase = (flags & LINGUISTIC_IGNORECASE) != 0;
    QString s = Text(source, sourceLength), v = Text(value, valueLength);
    if (ignoreCase) {
        s = Folded(s, locale);
        v = Folded(v, locale);
    }
    if (v.isEmpty()) return 0;
    const QCollator& collator = CollatorFor(locale, ignoreCase);
    const qsizetype last = (flags & FIND_STARTSWITH) ? 0 : s.size() - v.size();
    for (qsizetype i = 0; i <= last && i + v.size() <= s.size(); ++i) {
        const QString window = s.mid(i, v.size());
        if (window == v || collator.compare(window, v) == 0) {
            if (found) *found = static_cast<int>(v.size());
            return static_cast<int>(i);
        }
    }
    return -1;
}
