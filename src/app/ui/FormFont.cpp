#include "app/ui/FormFont.h"

namespace tv {

UniqueFont CreateFormFont(bool bold) {
    return UniqueFont(CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
}

}  // namespace tv
