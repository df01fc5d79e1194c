// Parses and lays out arbitrary bytes as a caption, then paints and hit-tests it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Error.h"
#include "unit/html/FakeMetrics.h"
#include "widgets/html/HTMLLayout.h"

namespace {

// Touches every argument so that the sanitizers see the values painting would use. The sum is
// unsigned and wraps: its own arithmetic can never be what a finding reports.
class CheckingCanvas : public tv::IVtHTMLCanvas {
public:
    void DrawText(const tv::TVtHTMLFont& font, tv::TVtColor color, tv::TVtColor bg, int x, int y,
                  std::string_view text) override {
        Add(font.Name.str().size(), color, bg, x, y);
        for (char c : text) Add(static_cast<unsigned char>(c));
    }
    void DrawBullet(tv::TVtColor color, int l, int t, int r, int b) override { Add(color, l, t, r, b); }
    void DrawImage(const tv::TVtHTMLImage& image, int x, int y, int w, int h) override { Add(image.Width, x, y, w, h); }
    void DrawHLine(tv::TVtColor color, int l, int r, int y) override { Add(color, l, r, y); }
    std::uint64_t sum = 0;

private:
    template <typename... Values>
    void Add(Values... values) {
        ((sum += static_cast<std::uint64_t>(values)), ...);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tv::test::FakeMetrics metrics;
    tv::TVtHTMLLayout layout(metrics);
    int image = 0;
    layout.OnImageNeeded = [&image](tv::TVtHTMLLayout&, const std::string& src, tv::TVtHTMLImage& result) {
        if (!src.empty() && src[0] == 'x') result = {&image, static_cast<int>(src.size()), 7};
    };
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        layout.ParseText(text);
    } catch (const tv::TvError&) {
        return 0;  // the engine error is a proper answer
    }
    const tv::TVtRect rects[] = {{0, 0, 99, 19}, {5, 5, 5, 5}, {0, 0, -10, -10}};
    const tv::TVtPoint points[] = {{0, 0}, {10, 6}, {50, 30}, {-5, -5}, {2000, 100000}};
    CheckingCanvas canvas;
    for (const auto& r : rects) {
        layout.PaintItems(canvas, {}, r);
        layout.PaintItems(canvas, {3, 7}, r);
        for (const auto& p : points) {
            std::string href;
            layout.LinkAt(p, {}, r, href);
            layout.ItemAtPoint(p, {1, 1}, r);
        }
    }
    return canvas.sum == 42 ? 0 : 0;
}
