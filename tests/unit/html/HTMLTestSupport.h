#pragma once
// Parsing helpers for the caption tests.
#include <string>

#include "unit/html/FakeMetrics.h"
#include "widgets/html/HTMLLayout.h"

namespace tv::test {

// One letter per item kind, then the text in quotes for runs: "P T'x' B T'y'".
inline std::string Describe(const TVtHTMLData& data) {
    static const char kLetters[] = "TSLPIRBU";
    std::string out;
    for (std::int32_t i = 0; i < data.Items.Count(); ++i) {
        const TVtHTMLItem* item = data.Items.Get(i);
        if (!out.empty()) out += ' ';
        out += item->ItemType < 8 ? kLetters[item->ItemType] : '?';
        if (item->ItemType == ikText || item->ItemType == ikImage) out += "'" + item->Text + "'";
    }
    return out;
}

class Caption {
public:
    explicit Caption(const std::string& text) : layout(metrics) { layout.ParseText(text); }
    Caption() : layout(metrics) {}

    TVtHTMLItem& Item(int index) { return *layout.Data.Items.Get(index); }
    TVtHTMLBreakItem& Break(int index) { return static_cast<TVtHTMLBreakItem&>(Item(index)); }
    std::string Items() const { return Describe(layout.Data); }
    int Count() const { return layout.Data.Items.Count(); }

    FakeMetrics metrics;
    TVtHTMLLayout layout;
};

}  // namespace tv::test
