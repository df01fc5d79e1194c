#pragma once
// What a Message box request is made of: its kind, its buttons and the answer.
#include <cstdint>

namespace tv {

enum class MsgKind { Warning, Error, Information, Confirmation, Custom };

// Button kinds in their fixed left-to-right order.
enum class MsgButton : std::uint32_t {
    Yes = 1u << 0,
    No = 1u << 1,
    OK = 1u << 2,
    Cancel = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
    All = 1u << 7,
    NoToAll = 1u << 8,
    YesToAll = 1u << 9,
    Help = 1u << 10,
};
using MsgButtons = std::uint32_t;
constexpr MsgButtons operator|(MsgButton a, MsgButton b) {
    return static_cast<MsgButtons>(a) | static_cast<MsgButtons>(b);
}
constexpr MsgButtons operator|(MsgButtons a, MsgButton b) { return a | static_cast<MsgButtons>(b); }
constexpr MsgButtons Buttons(MsgButton b) { return static_cast<MsgButtons>(b); }
constexpr bool HasButton(MsgButtons set, MsgButton b) { return (set & static_cast<MsgButtons>(b)) != 0; }

enum class MsgResult { None, Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll };

}  // namespace tv
