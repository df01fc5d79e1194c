#pragma once
// An immutable text that every copy shares. Each item of a caption carries its own link target
// and face name, and every new item is a copy of the current one: with shared texts that copy
// costs the same whatever the length of the text, so a caption's cost stays linear in its size.
#include <memory>
#include <string>
#include <string_view>

namespace tv {

class TVtSharedText {
public:
    TVtSharedText() = default;
    explicit TVtSharedText(std::string text)
        : text_(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text))) {}

    const std::string& str() const { return text_ ? *text_ : Empty(); }
    std::string_view view() const { return str(); }
    bool empty() const { return !text_; }
    // True when both are copies of one text, which makes comparing them free.
    bool SharesWith(const TVtSharedText& other) const { return text_ == other.text_; }

    friend bool operator==(const TVtSharedText& a, const TVtSharedText& b) {
        return a.SharesWith(b) || a.str() == b.str();
    }
    friend bool operator==(const TVtSharedText& a, std::string_view b) { return a.view() == b; }

private:
    static const std::string& Empty() {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> text_;  // null for the empty text
};

}  // namespace tv
