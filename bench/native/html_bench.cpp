// Parsing and laying out markup captions of growing size: the cost per byte must stay flat.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchTarget.h"
#include "native/KeptRuns.h"
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

// One attribute value as long as half the caption, then short runs that each copy the item: the
// input whose cost grew with the square of its size while every copy duplicated the long text.
std::string MakeLongAttributeCaption(std::size_t size, const std::string& tag, const std::string& attribute) {
    std::string text = "<" + tag + " " + attribute + "=\"";
    text.append(size / 2, 'h');
    text += "\">";
    while (text.size() + 4 <= size) text += "x<b>";
    return text;
}

void Run(benchmark::State& state, const std::string& caption) {
    FixedMetrics metrics;
    tv::TVtHTMLLayout layout(metrics);
    for (auto _ : state) {
        layout.ParseText(caption);
        benchmark::DoNotOptimize(layout.Data.TextSize);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(caption.size()));
    state.counters["items"] = layout.Data.Items.Count();
}

void BM_ParseAndLayout(benchmark::State& state) { Run(state, MakeCaption(static_cast<std::size_t>(state.range(0)))); }

void BM_ParseAndLayoutLongHref(benchmark::State& state) {
    Run(state, MakeLongAttributeCaption(static_cast<std::size_t>(state.range(0)), "a", "href"));
}

void BM_ParseAndLayoutLongFace(benchmark::State& state) {
    Run(state, MakeLongAttributeCaption(static_cast<std::size_t>(state.range(0)), "font", "face"));
}

}  // namespace

// 1 KB to 1 MB: bytes per second must stay flat as the caption grows.
void Sizes(benchmark::internal::Benchmark* b) {
    for (const std::int64_t size : {1 << 10, 10 << 10, 100 << 10, 1 << 20}) b->Arg(size);
    b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ParseAndLayout)->Apply(Sizes);
BENCHMARK(BM_ParseAndLayoutLongHref)->Apply(Sizes);
BENCHMARK(BM_ParseAndLayoutLongFace)->Apply(Sizes);

// Every caption at least 50 MB/s, and flat: the largest size keeps at least half the rate of the
// smallest (a cost growing with the square of the size would lose far more).
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tv::bench::KeptRuns runs;
    benchmark::RunSpecifiedBenchmarks(&runs);
    for (const char* kind : {"BM_ParseAndLayout", "BM_ParseAndLayoutLongHref", "BM_ParseAndLayoutLongFace"}) {
        const auto* small = runs.Find(std::string(kind) + "/1024");
        const auto* large = runs.Find(std::string(kind) + "/1048576");
        if (!small || !large) continue;
        double slowest = 0;
        for (const auto& run : runs.All())
            if (run.benchmark_name().rfind(std::string(kind) + "/", 0) == 0) {
                const double mb_s = run.counters.at("bytes_per_second") / 1e6;
                if (slowest == 0 || mb_s < slowest) slowest = mb_s;
            }
        const double flat = large->counters.at("bytes_per_second") / small->counters.at("bytes_per_second");
        tv::bench::ReportTarget(std::string("markup captions: ") + kind + ", slowest size", ">= 50 MB/s",
                                tv::bench::Figure(slowest, 0, " MB/s"), slowest >= 50);
        tv::bench::ReportTarget(std::string("markup captions: ") + kind + ", 1 MB against 1 KB", ">= 0.50",
                                tv::bench::Figure(flat, 2, ""), flat >= 0.5);
    }
    benchmark::Shutdown();
    return 0;
}
