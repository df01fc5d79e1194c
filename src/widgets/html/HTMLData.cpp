#include "widgets/html/HTMLData.h"

namespace tv {

TVtHTMLData::TVtHTMLData() { Items.OwnsItems = true; }

TVtHTMLData::~TVtHTMLData() = default;

void TVtHTMLData::Clear() {
    Items.Clear();
    TextSize = {};
}

}  // namespace tv
