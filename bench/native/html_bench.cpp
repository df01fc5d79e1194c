// Parsing and laying out markup captions of growing size: the cost per byte must stay flat.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "widgets/html/HTMLLayout.h"

namespace {

// Fixed metrics, so the figures measure the parser and the layout alone.
class FixedMetrics : public tv::IVtHTMLMetrics {
public:
    int TextExtent(const tv::TVtHTMLFont& font, std::string_view text) override {
        return static_cast<int>(text.size()) * (std::abs(font.Height) / 2);
    }
    int FontHeight(const tv::TVtHTMLFont& font) override { return std::abs(font.Height) + 2; }
    int Descent(const tv::TVtHTMLFont&) override { return 3; }
    int MaxCharWidth(const tv::TVtHTMLFont& font) override { return std::abs(font.Height); }
    int AveCharWidth(const tv::TVtHTMLFont& font) override { return std::abs(font.Height) / 2; }
    int PixelsPerInchY() override { return 96; }
};

std::string MakeCaption(std::size_t size) {
    static const std::string kPiece =
        "Games <b>won</b> &amp; <i>lost</i>: <font color=#FF0000 size=+2>42</font> "
        "<a href=\"http://tally.example/stats\">details</a><br>"
        "<ul><li>streak <sub>3</sub><li>best<sup>2</sup></ul><p align=center>centred &copy; text</p>"
        "<!-- note --><hr width=40>";
    std::string text;
    while (text.size() < size) text += kPiece;
    text.resize(size);
    return text;
}

void BM_ParseAndLayout(benchmark::State& state) {
    const std::string caption = MakeCaption(static_cast<std::size_t>(state.range(0)));
    FixedMetrics metrics;
    tv::TVtHTMLLayout layout(metrics);
    for (auto _ : state) {
        layout.ParseText(caption);
        benchmark::DoNotOptimize(layout.Data.TextSize);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(caption.size()));
    state.counters["items"] = layout.Data.Items.Count();
}

}  // namespace

BENCHMARK(BM_ParseAndLayout)->Arg(1 << 10)->Arg(10 << 10)->Arg(100 << 10)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
