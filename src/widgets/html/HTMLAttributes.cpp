#include "widgets/html/HTMLAttributes.h"

#include "widgets/html/HTMLText.h"

namespace tv {

namespace {

void FinishToken(std::string& token, TVtHTMLAttributeList& list) {
    const std::size_t eq = token.find('=');
    if (eq != std::string::npos) {
        // Spaces around "=" split the attribute into tokens that are then dropped.
        TVtHTMLAttribute attribute;
        attribute.Name = LowerAscii(TrimBlanks(std::string_view(token).substr(0, eq)));
        attribute.Value = std::string(TrimRightBlanks(std::string_view(token).substr(eq + 1)));
        list.Items.push_back(std::move(attribute));
    }
    token.clear();
}

}  // namespace

const std::string* TVtHTMLAttributeList::Find(std::string_view lowerName) const {
    for (const auto& attribute : Items)
        if (attribute.Name == lowerName) return &attribute.Value;
    return nullptr;
}

std::string TVtHTMLAttributeList::Value(std::string_view lowerName) const {
    const std::string* value = Find(lowerName);
    return value ? Unquote(*value) : std::string();
}

TVtHTMLAttributeList ReadAttributes(std::string_view text, std::size_t start) {
    TVtHTMLAttributeList list;
    std::string token;
    char quote = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
            if (c == ' ' && !token.empty() && token.back() == ' ') continue;
            token += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            token += c;
        } else if (c == ' ' || c == '>') {
            FinishToken(token, list);
            if (c == '>') {
                list.Closed = true;
                list.Next = i + 1;
                return list;
            }
        } else {
            token += c;
        }
    }
    // A token cut off by the end of the text is dropped.
    list.Next = text.size();
    return list;
}

std::string Unquote(std::string_view value) {
    if (value.empty() || (value.front() != '"' && value.front() != '\'')) return std::string(value);
    const char quote = value.front();
    value.remove_prefix(1);
    if (!value.empty() && value.back() == quote) value.remove_suffix(1);
    return std::string(value);
}

}  // namespace tv
