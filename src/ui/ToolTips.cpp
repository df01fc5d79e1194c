#include "ui/ToolTips.h"

#include <commctrl.h>

#include "platform/CommonControls.h"
#include "platform/VisualStyles.h"
#include "platform/WindowDpi.h"

namespace tv {

void ToolTips::Create(HWND owner) {
    const VisualStyleScope visual_style;
    comctl::InitCommonControls(ICC_WIN95_CLASSES);
    owner_ = owner;
    wnd_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleA(nullptr), nullptr));
}

void ToolTips::Add(HWND control, const std::string& text) {
    if (!wnd_) return;
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    std::string copy = text;  // the control copies the text
    info.lpszText = copy.data();
    SendMessageA(wnd_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::FollowDpi(Dpi dpi) {
    if (!wnd_) return;
    // The system's tooltips use its status font: the same face, at the owner's DPI.
    const NONCLIENTMETRICSW metrics = NonClientMetricsFor(dpi);
    if (metrics.lfStatusFont.lfFaceName[0] == L'\0') return;
    UniqueFont font(CreateFontIndirectW(&metrics.lfStatusFont));
    if (!font) return;
    SendMessageA(wnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);
}

}  // namespace tv
