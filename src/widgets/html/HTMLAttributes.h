#pragma once
// Reading a tag's attribute list and its values.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct TVtHTMLAttribute {
    std::string Name;   // lower-cased
    std::string Value;  // as written, quotes included
};

struct TVtHTMLAttributeList {
    std::vector<TVtHTMLAttribute> Items;
    bool Closed = false;   // false: the text ended before ">"
    std::size_t Next = 0;  // position after ">" when closed

    // The first attribute of the name, or null.
    const std::string* Find(std::string_view lowerName) const;
    // The unquoted value, empty when the attribute is absent.
    std::string Value(std::string_view lowerName) const;
};

// Reads from the space after the tag name up to and including the closing ">".
TVtHTMLAttributeList ReadAttributes(std::string_view text, std::size_t start);

std::string Unquote(std::string_view value);

}  // namespace tv
