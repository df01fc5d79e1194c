#pragma once
// A parsed caption: the defaults it was parsed with, its items and its laid-out size.
#include <cstdint>
#include <string>

#include "widgets/html/HTMLItem.h"
#include "widgets/html/HTMLTypes.h"
#include "widgets/html/VtList.h"

namespace tv {

class TVtHTMLLayout;

class TVtHTMLData {
public:
    TVtHTMLData();
    ~TVtHTMLData();
    TVtHTMLData(const TVtHTMLData&) = delete;
    TVtHTMLData& operator=(const TVtHTMLData&) = delete;

    TVtHTMLLayout* Render = nullptr;
    TVtColor LinkColor = clBlue;
    TVtColor DefaultColor = clWindowText;
    std::uint8_t LinkStyle = fsUnderline;
    std::uint8_t DefaultStyle = 0;
    std::int32_t DefaultHeight = -11;
    std::uint8_t Charset = 0;
    std::string DefaultFont = "MS Sans Serif";
    // The data owns every item in the list: dropping one from the list frees it.
    TVtList<TVtHTMLItem> Items;
    TVtColor DefaultBgColor = clNone;
    TVtPoint TextSize;

    void Clear();
};

}  // namespace tv
