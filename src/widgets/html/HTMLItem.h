#pragma once
// The items of a parsed caption: text runs, images and rules, and the breaks that start lines.
#include <cstdint>
#include <memory>
#include <string>

#include "widgets/html/HTMLSharedText.h"
#include "widgets/html/HTMLTypes.h"

namespace tv {

class TVtHTMLData;

class TVtHTMLItem {
public:
    TVtHTMLItem(TVtHTMLData* owner, TVtHTMLItemKind kind) : Owner(owner), ItemType(kind) {}
    virtual ~TVtHTMLItem() = default;
    TVtHTMLItem(const TVtHTMLItem&) = delete;
    TVtHTMLItem& operator=(const TVtHTMLItem&) = delete;

    TVtHTMLData* Owner;
    std::uint8_t ItemType;
    std::string Text;  // for ikImage the image source name
    std::uint8_t Style = 0;
    std::int32_t FontHeight = 0;
    TVtColor BgColor = 0;
    TVtColor Color = 0;
    // Shared with the item this one was copied from: copies cost nothing whatever their length.
    TVtSharedText HRef;
    TVtSharedText FontName;
    std::uint16_t CachedWidth = 0xFFFF;  // 0xFFFF: not measured
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::int32_t Indent = 0;
    std::uint32_t Flags = 0;

    bool IsLink() const { return (Flags & hfIsLink) != 0; }
    bool IsSub() const { return (Flags & hfIsSub) != 0; }
    bool IsSup() const { return (Flags & hfIsSup) != 0; }
    bool HasContent() const { return ItemType != ikText || !Text.empty(); }

    // Breaks start lines; decided by class, not by kind.
    virtual bool IsBreak() const { return false; }

    // Copies the style and position state, never the kind, text or sizes.
    void CopyFrom(const TVtHTMLItem& source);
    void AddChar(char c);

    virtual int GetWidth();
    // next is the item after this one in the list (null at the end); only breaks look at it.
    virtual int GetHeight(int& descent, const TVtHTMLItem* next);

    // The font this item is measured and painted with; reduced applies the sub/superscript size.
    TVtHTMLFont MeasureFont(bool reduced) const;

protected:
    int TextHeight(int& descent) const;
};

class TVtHTMLBreakItem : public TVtHTMLItem {
public:
    using TVtHTMLItem::TVtHTMLItem;

    std::uint16_t Alignment = haLeft;
    std::uint16_t LineDescent = 0;

    bool IsBreak() const override { return true; }
    int GetWidth() override;
    int GetHeight(int& descent, const TVtHTMLItem* next) override;
};

// A new item of the kind, of the class that kind belongs to, carrying the source's state.
std::unique_ptr<TVtHTMLItem> MakeHTMLItem(TVtHTMLData* owner, TVtHTMLItemKind kind, const TVtHTMLItem* source);
std::unique_ptr<TVtHTMLBreakItem> MakeHTMLBreak(TVtHTMLData* owner, TVtHTMLItemKind kind, const TVtHTMLItem* source);

}  // namespace tv
