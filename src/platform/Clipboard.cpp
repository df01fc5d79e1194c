#include "platform/Clipboard.h"

#include <cstring>

#include "platform/Handles.h"
#include "platform/WideText.h"

namespace tv {

bool PutTextOnClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = AnsiToWide(text);
    using UniqueGlobal = UniqueResource<NullIsEmpty<HGLOBAL, GlobalFree>>;
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t)));
    if (!memory) return false;
    void* bytes = GlobalLock(memory.get());
    if (!bytes) return false;
    std::memcpy(bytes, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory.get());
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
    CloseClipboard();
    return !memory;
}

}  // namespace tv
