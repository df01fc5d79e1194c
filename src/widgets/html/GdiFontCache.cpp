#include "widgets/html/GdiFontCache.h"

namespace tv {

namespace {
// A caption uses a handful of fonts; a runaway one is not allowed to hoard GDI objects.
constexpr std::size_t kMaxFonts = 64;
}  // namespace

TVtGdiFontCache::Key TVtGdiFontCache::KeyOf(const TVtHTMLFont& font) {
    return {std::string(font.Name.view().substr(0, LF_FACESIZE - 1)), font.Height, font.Style, font.Charset};
}

UniqueFont CreateCaptionFont(const TVtGdiFontCache::Key& font) {
    LOGFONTA lf{};
    lf.lfHeight = font.Height;
    lf.lfWeight = (font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = font.Charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(lf.lfFaceName, font.Face.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&lf));
}

const TVtGdiFontCache::Entry& TVtGdiFontCache::Get(const TVtHTMLFont& wanted, HDC dc) {
    const Key font = KeyOf(wanted);
    if (last_ < entries_.size() && entries_[last_].Font == font) return entries_[last_];
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].Font == font) {
            last_ = i;
            return entries_[i];
        }
    }
    if (entries_.size() >= kMaxFonts) entries_.clear();
    Entry entry;
    entry.Font = font;
    entry.Handle = CreateCaptionFont(font);
    {
        SelectGuard select(dc,
                           entry.Handle ? static_cast<HGDIOBJ>(entry.Handle.get()) : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsA(dc, &entry.Metrics);
    }
    entries_.push_back(std::move(entry));
    last_ = entries_.size() - 1;
    return entries_.back();
}

COLORREF ResolveColor(TVtColor color) {
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

}  // namespace tv
