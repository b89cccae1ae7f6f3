#include "platform/ui/font_measures.h"

#include <map>
#include <tuple>

#include "platform/ui/gdi_records.h"

namespace vorn_ui {

namespace {

// Enough for the labels of a busy window; the table starts again when it is full.
constexpr qsizetype kMaxAdvances = 8192;

auto KeyOf(const LOGFONT& lf) {
    return std::make_tuple(lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight, lf.lfItalic,
                           lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                           lf.lfQuality, lf.lfPitchAndFamily, std::wstring(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
}

}  // namespace

std::shared_ptr<FontMeasures> FontMeasures::For(const LOGFONT& lf) {
    static std::mutex mutex;
    static std::map<decltype(KeyOf(lf)), std::shared_ptr<FontMeasures>> known;
    const auto key = KeyOf(lf);
    std::lock_guard<std::mutex> lock(mutex);
    auto it = known.find(key);
    if (it == known.end()) it = known.emplace(key, std::make_shared<FontMeasures>(QFontFromLogFont(lf))).first;
    return it->second;
}

int FontMeasures::horizontalAdvance(const QString& text) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = advances_.constFind(text);
    if (it != advances_.constEnd()) return *it;
    if (advances_.size() >= kMaxAdvances) advances_.clear();
    const int advance = metrics_.horizontalAdvance(text);
    advances_.insert(text, advance);
    return advance;
}

}  // namespace vorn_ui
