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
    QCollator collator(locale);
    collator.setCaseSensitivity(ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
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
