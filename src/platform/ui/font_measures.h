#pragma once
// Layer-private: one font's metrics and the advances of the texts measured in it, shared by
// every font record made from the same LOGFONT. Shaping is the costly part of measuring text,
// and the same labels are measured on every paint.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <memory>
#include <mutex>

#include "platform/ui/gdi_defs.h"

namespace vorn_ui {

class FontMeasures {
public:
    explicit FontMeasures(const QFont& font) : font_(font), metrics_(font) {}
    // The measures of the font a LOGFONT maps to, made on first use.
    static std::shared_ptr<FontMeasures> For(const LOGFONT& lf);

    const QFont& font() const { return font_; }
    int ascent() const { return metrics_.ascent(); }
    int descent() const { return metrics_.descent(); }
    int leading() const { return metrics_.leading(); }
    int averageCharWidth() const { return metrics_.averageCharWidth(); }
    int maxWidth() const { return metrics_.maxWidth(); }
    // As QFontMetrics::horizontalAdvance, remembered per text.
    int horizontalAdvance(const QString& text) const;
    int horizontalAdvance(QChar c) const { return metrics_.horizontalAdvance(c); }

private:
    QFont font_;
    QFontMetrics metrics_;
    mutable std::mutex mutex_;
    mutable QHash<QString, int> advances_;
};

}  // namespace vorn_ui
