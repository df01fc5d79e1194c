#include "widgets/html/HTMLParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "widgets/html/HTMLAttributes.h"
#include "widgets/html/HTMLColor.h"
#include "widgets/html/HTMLData.h"
#include "widgets/html/HTMLLayout.h"
#include "widgets/html/HTMLMetrics.h"
#include "widgets/html/HTMLText.h"
#include "widgets/html/VtStack.h"

namespace tv {

namespace {

struct FontRecord {
    TVtSharedText FontName;
    std::int32_t FontHeight = 0;
    TVtColor Color = 0;
    TVtColor BgColor = 0;
};

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::uint16_t ClampToWord(std::int32_t value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); }

struct Entity {
    std::string_view Name;
    unsigned char Code;
};

constexpr Entity kEntities[] = {
    {"nbsp", 32},  {"amp", 38},  {"quot", 34},  {"gt", 62},    {"lt", 60},     {"euro", 128},
    {"sect", 167}, {"reg", 174}, {"copy", 169}, {"para", 182}, {"trade", 153},
};

// Saved font records are owned here until popped, so every exit disposes of them.
class FontStack {
public:
    ~FontStack() {
        while (stack_.Count() > 0) std::unique_ptr<FontRecord>(stack_.Pop());
    }
    bool Empty() const { return stack_.Count() == 0; }
    void Push(std::unique_ptr<FontRecord> record) {
        stack_.Push(record.get());
        record.release();
    }
    std::unique_ptr<FontRecord> Pop() { return std::unique_ptr<FontRecord>(stack_.Pop()); }

private:
    TVtStack<FontRecord> stack_;
};

class Parser {
public:
    Parser(std::string_view text, TVtHTMLData& data) : text_(text), data_(data), items_(data.Items) {}

    void Run() {
        data_.Clear();
        font_ = std::make_unique<FontRecord>(FontRecord{TVtSharedText(data_.DefaultFont), data_.DefaultHeight,
                                                        data_.DefaultColor, data_.DefaultBgColor});
        base_ = MakeHTMLItem(&data_, ikText, nullptr);
        base_->Style = data_.DefaultStyle;
        TakeFont(*base_);
        current_ = Copy(*base_);

        std::size_t i = 0;
        while (i < text_.size()) i = Step(i);

        if (current_->HasContent()) Append(std::move(current_));
        if (items_.Count() > 0 && items_.Get(0)->ItemType != ikParagraph) {
            auto leading = MakeHTMLBreak(&data_, ikParagraph, nullptr);
            items_.Insert(0, leading.get());
            leading.release();
        }
    }

private:
    // One position of the walk; returns the next position (the text's size ends the walk).
    std::size_t Step(std::size_t i) {
        const char c = text_[i];
        switch (c) {
            case '<':
                return ParseTag(i);
            case '\r':
                return (i + 1 < text_.size() && text_[i + 1] == '\n') ? i + 2 : i + 1;
            case '&':
                return ParseEntity(i);
            case ' ':
                AddSpace();
                return i + 1;
            default:
                current_->AddChar(c);
                return i + 1;
        }
    }

    void AddSpace() {
        if (current_->Text.empty() || current_->Text.back() != ' ') current_->AddChar(' ');
    }

    std::size_t ParseEntity(std::size_t i) {
        if (i + 1 < text_.size() && text_[i + 1] == ' ') {
            current_->AddChar('&');
            return i + 1;
        }
        const bool numeric = i + 1 < text_.size() && text_[i + 1] == '#';
        const std::size_t start = i + (numeric ? 2 : 1);
        std::size_t end = text_.find(';', std::min(start, text_.size()));
        const std::size_t next = end == std::string_view::npos ? text_.size() : end + 1;
        if (end == std::string_view::npos) end = text_.size();
        const std::string_view body = text_.substr(std::min(start, end), end - std::min(start, end));
        if (numeric) {
            const auto code = static_cast<unsigned char>(static_cast<std::uint32_t>(TextToIntDef(body, 32)) & 0xFF);
            if (code == ' ')
                AddSpace();
            else if (code != 0)
                current_->AddChar(static_cast<char>(code));
        } else {
            const std::string name = LowerAscii(body);
            for (const auto& entity : kEntities) {
                if (entity.Name == name) {
                    current_->AddChar(static_cast<char>(entity.Code));
                    break;
                }
            }
        }
        return next;
    }

    std::size_t ParseTag(std::size_t i) {
        std::string name;
        std::size_t j = i + 1;
        for (; j < text_.size() && text_[j] != ' ' && text_[j] != '>'; ++j) {
            name += text_[j];
            if (std::string_view(name) == "!--") {
                // Searching from the last "-" makes "<!--->" a complete comment.
                const std::size_t close = text_.find("-->", j);
                return close == std::string_view::npos ? text_.size() : close + 3;
            }
        }
        if (j >= text_.size()) return text_.size();  // an unfinished tag is dropped
        TVtHTMLAttributeList attributes;
        const bool hasAttributes = text_[j] == ' ';
        std::size_t next = j + 1;
        if (hasAttributes) {
            attributes = ReadAttributes(text_, j);
            next = attributes.Closed ? attributes.Next : text_.size();
        }
        ApplyTag(LowerAscii(name), hasAttributes, attributes);
        return next;
    }

    // Compared as views: texts of another length are told apart without looking at a character.
    void ApplyTag(std::string_view name, bool hasAttributes, const TVtHTMLAttributeList& attributes) {
        if (name == "b" || name == "/b") return SetStyle(fsBold, name[0] != '/');
        if (name == "i" || name == "/i") return SetStyle(fsItalic, name[0] != '/');
        if (name == "u" || name == "/u") return SetStyle(fsUnderline, name[0] != '/');
        if (name == "strikeout" || name == "/strikeout") return SetStyle(fsStrikeOut, name[0] != '/');
        if (name == "sub" || name == "/sub") return SetFlag(hfIsSub, name[0] != '/');
        if (name == "sup" || name == "/sup") return SetFlag(hfIsSup, name[0] != '/');
        if (name == "font") return FontStart(attributes);
        if (name == "/font") return FontEnd();
        if (name == "a" && hasAttributes) {
            CloseRun();
            current_->Flags |= hfIsLink;
            current_->HRef = TVtSharedText(attributes.Value("href"));
            return;
        }
        if (name == "/a") {
            CloseRun();
            current_->Flags &= ~hfIsLink;
            current_->HRef = {};
            return;
        }
        if (name == "br") return LineBreak();
        if (name == "p" || name == "/p") return Paragraph(name == "/p", hasAttributes, attributes);
        if (name == "ul") return ListStart();
        if (name == "/ul") return ListEnd();
        if (name == "li") return Bullet();
        if (name == "img" && hasAttributes) return Image(attributes);
        if (name == "hr") return Rule(hasAttributes, attributes);
    }

    void SetStyle(std::uint8_t bit, bool on) {
        CloseRun();
        current_->Style = on ? (current_->Style | bit) : (current_->Style & ~bit);
    }

    void SetFlag(std::uint32_t bit, bool on) {
        CloseRun();
        current_->Flags = on ? (current_->Flags | bit) : (current_->Flags & ~bit);
    }

    void FontStart(const TVtHTMLAttributeList& attributes) {
        CloseRun();
        auto record = std::make_unique<FontRecord>(
            FontRecord{current_->FontName, current_->FontHeight, current_->Color, current_->BgColor});
        if (std::string face = attributes.Value("face"); !face.empty())
            record->FontName = TVtSharedText(std::move(face));
        if (std::string faceName = attributes.Value("name"); !faceName.empty())
            record->FontName = TVtSharedText(std::move(faceName));
        if (const std::string size = attributes.Value("size"); !size.empty()) record->FontHeight = FontSize(size);
        if (const std::string color = attributes.Value("color"); !color.empty())
            record->Color = ParseHTMLColor(color, data_.DefaultColor, record->Color);
        if (const std::string bg = attributes.Value("bgcolor"); !bg.empty())
            record->BgColor = ParseHTMLColor(bg, data_.DefaultBgColor, record->BgColor);
        fonts_.Push(std::move(font_));
        font_ = std::move(record);
        TakeFont(*current_);
    }

    std::int32_t FontSize(const std::string& size) const {
        if (size[0] == '+' || size[0] == '-') {
            const std::int64_t steps = TextToIntDef(size, 0);
            const std::int64_t pixelsPerInch = data_.Render ? data_.Render->PixelsPerInchY() : 96;
            const auto delta =
                static_cast<std::int64_t>(std::llround(static_cast<double>(steps * pixelsPerInch) / 72.0));
            return ClampToInt32(static_cast<std::int64_t>(data_.DefaultHeight) - delta);
        }
        return TextToIntDef(size, data_.DefaultHeight);
    }

    void FontEnd() {
        CloseRun();
        if (!fonts_.Empty()) font_ = fonts_.Pop();
        TakeFont(*current_);
    }

    void LineBreak() {
        CloseRun();
        auto brk = MakeHTMLBreak(&data_, ikLineBreak, current_.get());
        if (const TVtHTMLBreakItem* last = LastBreak()) brk->Alignment = last->Alignment;
        Append(std::move(brk));
    }

    void Paragraph(bool closing, bool hasAttributes, const TVtHTMLAttributeList& attributes) {
        TVtHTMLItem* last = items_.Last();
        if (last && last->ItemType == ikLineBreak && (last->Flags & hfParagraphClosed)) {
            if (!closing) last->Flags &= ~hfParagraphClosed;
            return;
        }
        CloseRun();
        auto brk = MakeHTMLBreak(&data_, ikParagraph, current_.get());
        if (closing) brk->Flags |= hfParagraphClosed;
        brk->Alignment = haLeft;
        if (hasAttributes) {
            const std::string align = LowerAscii(attributes.Value("align"));
            if (align == "center") brk->Alignment = haCenter;
            if (align == "right") brk->Alignment = haRight;
            if (const std::string indent = attributes.Value("indent"); !indent.empty())
                brk->Indent = TextToIntDef(indent, 0);
        }
        current_->CopyFrom(*brk);
        Append(std::move(brk));
    }

    void ListStart() {
        const std::int32_t lastBreak = LastBreakIndex();
        if (lastBreak >= 0) {
            const std::uint8_t kind = items_.Get(lastBreak)->ItemType;
            // The run not yet appended counts too: text after the break keeps its line.
            bool onlyBlank = (kind == ikLineBreak || kind == ikSoftBreak) && current_->ItemType == ikText &&
                             IsBlankText(current_->Text);
            for (std::int32_t k = lastBreak + 1; onlyBlank && k < items_.Count(); ++k) {
                const TVtHTMLItem* item = items_.Get(k);
                onlyBlank = item->ItemType == ikText && IsBlankText(item->Text);
            }
            // A "br" right before a list adds no empty line.
            if (onlyBlank)
                for (std::int32_t k = items_.Count() - 1; k >= lastBreak; --k) items_.Delete(k);
        }
        CloseRun();
        auto brk = MakeHTMLBreak(&data_, ikListIndent, current_.get());
        brk->Indent = ClampToInt32(static_cast<std::int64_t>(brk->Indent) + brk->GetWidth());
        current_->Indent = brk->Indent;
        Append(std::move(brk));
    }

    // Ends the run for "/ul" and "li", which keep a pending line break out of the list.
    void EndListRun() {
        auto next = Copy(*current_);
        if (current_->HasContent() && current_->ItemType != ikLineBreak) Append(std::move(current_));
        current_ = std::move(next);
    }

    void RemoveTrailingLineBreak() {
        const TVtHTMLItem* last = items_.Last();
        if (last && last->ItemType == ikLineBreak) items_.Delete(items_.Count() - 1);
    }

    void ListEnd() {
        EndListRun();
        current_->ItemType = ikListIndent;
        const int width = current_->GetWidth();
        current_->ItemType = ikText;
        current_->Indent = ClampToInt32(static_cast<std::int64_t>(current_->Indent) - width);
        RemoveTrailingLineBreak();
        Append(MakeHTMLBreak(&data_, ikLineBreak, current_.get()));
    }

    void Bullet() {
        EndListRun();
        RemoveTrailingLineBreak();
        Append(MakeHTMLBreak(&data_, ikBullet, current_.get()));
    }

    void Image(const TVtHTMLAttributeList& attributes) {
        const std::string source = attributes.Value("src");
        if (source.empty()) return;
        auto image = MakeHTMLItem(&data_, ikImage, current_.get());
        image->Text = source;
        TVtHTMLImage bitmap;
        if (data_.Render) data_.Render->RequestImage(source, bitmap);
        // Without a bitmap the size comes from the tag alone, whatever size the handler named.
        const bool has_bitmap = bitmap.Handle != nullptr;
        image->Width = ClampToWord(TextToIntDef(attributes.Value("width"), has_bitmap ? bitmap.Width : 0));
        image->Height = ClampToWord(TextToIntDef(attributes.Value("height"), has_bitmap ? bitmap.Height : 0));
        auto next = Copy(*current_);
        if (current_->HasContent()) Append(std::move(current_));
        Append(std::move(image));
        current_ = std::move(next);
    }

    void Rule(bool hasAttributes, const TVtHTMLAttributeList& attributes) {
        auto before = MakeHTMLBreak(&data_, ikLineBreak, current_.get());
        auto rule = MakeHTMLItem(&data_, ikRule, current_.get());
        if (hasAttributes) rule->Width = ClampToWord(TextToIntDef(attributes.Value("width"), 0));
        auto after = MakeHTMLBreak(&data_, ikLineBreak, current_.get());
        auto next = Copy(*current_);
        if (current_->HasContent()) Append(std::move(current_));
        Append(std::move(before));
        Append(std::move(rule));
        Append(std::move(after));
        current_ = std::move(next);
    }

    // Appends the current run if it has content and continues with a copy of it.
    void CloseRun() {
        auto next = Copy(*current_);
        if (current_->HasContent()) Append(std::move(current_));
        current_ = std::move(next);
    }

    std::unique_ptr<TVtHTMLItem> Copy(const TVtHTMLItem& source) { return MakeHTMLItem(&data_, ikText, &source); }

    template <typename Item>
    void Append(std::unique_ptr<Item> item) {
        items_.Add(item.get());
        item.release();
    }

    void TakeFont(TVtHTMLItem& item) const {
        item.FontName = font_->FontName;
        item.FontHeight = font_->FontHeight;
        item.Color = font_->Color;
        item.BgColor = font_->BgColor;
    }

    std::int32_t LastBreakIndex() const {
        for (std::int32_t k = items_.Count() - 1; k >= 0; --k)
            if (items_.Get(k)->IsBreak()) return k;
        return -1;
    }

    const TVtHTMLBreakItem* LastBreak() const {
        const std::int32_t k = LastBreakIndex();
        return k < 0 ? nullptr : static_cast<const TVtHTMLBreakItem*>(items_.Get(k));
    }

    std::string_view text_;
    TVtHTMLData& data_;
    TVtList<TVtHTMLItem>& items_;
    std::unique_ptr<FontRecord> font_;
    FontStack fonts_;
    std::unique_ptr<TVtHTMLItem> base_;
    std::unique_ptr<TVtHTMLItem> current_;
};

}  // namespace

void ParseHTML(std::string_view text, TVtHTMLData& data) {
    // The text ends at its first NUL, as the markup is a C string.
    text = text.substr(0, text.find('\0'));
    try {
        Parser(text, data).Run();
        LayoutHTML(data);
    } catch (const TvError&) {
        data.Clear();
        throw TvError(kHTMLEngineError);
    } catch (const std::bad_alloc&) {
        data.Clear();
        throw TvError(kHTMLEngineError);
    } catch (...) {
        // Anything else passes through, but never with a half-built item list behind it.
        data.Clear();
        throw;
    }
}

}  // namespace tv
