#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/html/HTMLTestSupport.h"

namespace tv {
namespace {

using test::Caption;

// Keeps every drawing step as one line of text.
class RecordingCanvas : public IVtHTMLCanvas {
public:
    void DrawText(const TVtHTMLFont& font, TVtColor color, TVtColor bg, int x, int y, std::string_view text) override {
        steps.push_back("text '" + std::string(text) + "' " + std::to_string(x) + "," + std::to_string(y));
        fonts.push_back(font);
        colors.push_back(color);
        backgrounds.push_back(bg);
    }
    void DrawBullet(TVtColor color, int left, int top, int right, int bottom) override {
        steps.push_back("bullet " + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) +
                        "," + std::to_string(bottom));
        colors.push_back(color);
    }
    void DrawImage(const TVtHTMLImage&, int x, int y, int w, int h) override {
        steps.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" +
                        std::to_string(h));
    }
    void DrawHLine(TVtColor color, int left, int right, int y) override {
        steps.push_back("line " + std::to_string(left) + ".." + std::to_string(right) + " at " + std::to_string(y));
        colors.push_back(color);
    }

    std::vector<std::string> steps;
    std::vector<TVtHTMLFont> fonts;
    std::vector<TVtColor> colors;
    std::vector<TVtColor> backgrounds;
};

std::vector<std::string> Paint(Caption& c, TVtRect r, TVtPoint start = {}) {
    RecordingCanvas canvas;
    c.layout.PaintItems(canvas, start, r);
    return canvas.steps;
}

// With the fake metrics an 11-pixel font has 5-pixel characters, a 13-pixel line and descent 3.
TEST(HTMLLayoutTest, LineSizes) {
    Caption empty("");
    EXPECT_TRUE(Paint(empty, {0, 0, 99, 99}).empty());

    Caption lines("a<br><br>b");
    ASSERT_EQ(lines.Items(), "P T'a' L L T'b'");
    EXPECT_EQ(lines.Break(2).Height, 13);  // the empty line is as high as the font
    EXPECT_EQ(lines.Break(3).Height, 13);
    EXPECT_EQ(lines.layout.Data.TextSize.X, 6);
    EXPECT_EQ(lines.layout.Data.TextSize.Y, 39);

    Caption paragraphs("<p></p>");
    EXPECT_EQ(paragraphs.layout.Data.TextSize.Y, 0);

    Caption widths("<p indent=8>ab<b>cd</b>");
    EXPECT_EQ(widths.Break(0).Width, 8 + 11 + 13);
    EXPECT_EQ(widths.Break(0).LineDescent, 3);

    Caption outdented("</ul>abc");  // a list end without a list leaves a negative indent
    EXPECT_EQ(outdented.Item(1).Indent, -11);
    EXPECT_EQ(outdented.layout.Data.TextSize.X, 5);
}

TEST(HTMLLayoutTest, SubAndSuperscriptSizes) {
    Caption c("x<sub>y</sub><sup>z</sup>");
    // Reduced font: 9 pixels, so an 11-pixel height and descent 2.
    EXPECT_EQ(c.Item(2).Height, 11 + 11 / 4);
    EXPECT_EQ(c.Item(3).Height, 11 + (2 * 11) / 3);
    EXPECT_EQ(c.Break(0).Height, 18);
    EXPECT_EQ(c.Break(0).LineDescent, 4);  // 2 + 11 div 4 from the subscript
    EXPECT_EQ(c.Item(2).Width, 4 + 1);
}

TEST(HTMLLayoutTest, TextWidthsAreCached) {
    Caption c("abc<b>def</b>");
    const int calls = c.metrics.extentCalls;
    EXPECT_EQ(c.Item(1).GetWidth(), 16);
    EXPECT_EQ(c.metrics.extentCalls, calls);
    c.Item(1).AddChar('x');
    EXPECT_EQ(c.Item(1).GetWidth(), 21);
    EXPECT_EQ(c.metrics.extentCalls, calls + 1);

    TVtHTMLData orphan;  // no renderer: every measure is 0
    TVtHTMLItem item(&orphan, ikText);
    item.Text = "abc";
    int descent = 7;
    EXPECT_EQ(item.GetWidth(), 0);
    EXPECT_EQ(item.GetHeight(descent, nullptr), 0);
    EXPECT_EQ(descent, 0);
}

TEST(HTMLLayoutTest, PaintAlignsLines) {
    Caption centred("<p align=center>abc");  // 16 wide
    EXPECT_EQ(Paint(centred, {0, 0, 25, 20}), std::vector<std::string>{"text 'abc' 4,10"});
    EXPECT_EQ(Paint(centred, {0, 0, 9, 20}), std::vector<std::string>{"text 'abc' 0,10"});
    Caption right("<p align=right>abc");
    EXPECT_EQ(Paint(right, {10, 10, 59, 30}), std::vector<std::string>{"text 'abc' 33,10"});
    Caption scrolled("<p indent=4>ab<br>cd");
    EXPECT_EQ(Paint(scrolled, {0, 0, 99, 99}, {2, 5}), (std::vector<std::string>{"text 'ab' 2,5", "text 'cd' 2,18"}));
}

TEST(HTMLLayoutTest, PaintRunsColoursAndShifts) {
    Caption c("<font bgcolor=red>x</font><a href=h>y</a><sub>s</sub><sup>p</sup>");
    c.layout.Data.LinkColor = 0x00AA00;
    c.layout.ParseText("<font bgcolor=red>x</font><a href=h>y</a><sub>s</sub><sup>p</sup>");
    RecordingCanvas canvas;
    c.layout.PaintItems(canvas, {}, {0, 0, 99, 99});
    // Line: height 18, descent 4, so the baseline is at 14; s lowered by 11 div 4, p raised by 11 div 2.
    EXPECT_EQ(canvas.steps,
              (std::vector<std::string>{"text 'x' 0,14", "text 'y' 6,14", "text 's' 12,16", "text 'p' 17,9"}));
    EXPECT_EQ(canvas.backgrounds[0], clRed);
    EXPECT_EQ(canvas.backgrounds[1], clNone);
    EXPECT_EQ(canvas.colors[1], 0x00AA00u);
    EXPECT_EQ(canvas.fonts[1].Style, fsUnderline);
    EXPECT_EQ(canvas.fonts[2].Height, -9);
}

TEST(HTMLLayoutTest, PaintBulletsRulesAndImages) {
    Caption list("<ul><li>x</ul>");
    EXPECT_EQ(Paint(list, {0, 0, 99, 99}), (std::vector<std::string>{"bullet 5,5,10,10", "text 'x' 11,10"}));

    Caption rule("a<hr>b");
    RecordingCanvas canvas;
    rule.layout.PaintItems(canvas, {}, {0, 0, 49, 99});
    // The rule line has no height, so the rule lies over the top of the next line.
    EXPECT_EQ(canvas.steps,
              (std::vector<std::string>{"text 'a' 0,10", "line 0..50 at 13", "line 0..50 at 14", "text 'b' 0,23"}));
    EXPECT_EQ(canvas.colors[1], clBtnShadow);
    EXPECT_EQ(canvas.colors[2], clBtnFace);
    Caption shortRule("<hr width=7>");
    EXPECT_EQ(Paint(shortRule, {0, 0, 49, 99})[0], "line 0..7 at 0");

    Caption images;
    int dummy = 0;
    images.layout.OnImageNeeded = [&](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
        if (src == "have") image = {&dummy, 8, 6};
    };
    images.layout.ParseText("<img src=missing width=5>a<img src=have>");
    EXPECT_EQ(Paint(images, {0, 0, 99, 99}), (std::vector<std::string>{"text 'a' 5,10", "image 11,0 8x6"}));
}

TEST(HTMLLayoutTest, PositionsBeyondAnIntReachTheCanvasClamped) {
    // Indents are stored as written; widths added to the largest one pass the int range.
    Caption far("<p indent=2147483647>a<b>b</b>");
    EXPECT_EQ(Paint(far, {0, 0, 99, 99}),
              (std::vector<std::string>{"text 'a' 2147483647,10", "text 'b' 2147483647,10"}));
    EXPECT_EQ(far.layout.ItemAtPoint({2147483647, 5}, {}, {0, 0, 99, 99}), &far.Item(1));
    EXPECT_EQ(far.layout.ItemAtPoint({2147483647, 5}, {2147483647, 0}, {0, 0, 99, 99}), nullptr);
    Caption near("<p indent=-2147483648>a<hr>");
    EXPECT_EQ(Paint(near, {0, 0, 99, 99}, {1, 0})[0], "text 'a' -2147483648,10");
    // A rectangle as wide as ints go, and scroll positions at both ends of their range.
    Caption wide("<p align=right>a<ul><li>b</ul>");
    EXPECT_EQ(Paint(wide, {-2147483647 - 1, 0, 2147483647, 99}, {-2147483647 - 1, 2147483647}).size(), 3u);
    EXPECT_EQ(wide.layout.ItemAtPoint({-2147483647 - 1, -2147483647 - 1}, {-2147483647 - 1, -2147483647 - 1},
                                      {-2147483647 - 1, 0, 2147483647, 99}),
              nullptr);
}

TEST(HTMLLayoutTest, PaintStopsBelowTheRectangle) {
    Caption c("a<br>b<br>c<br>d");
    EXPECT_EQ(Paint(c, {0, 0, 99, 12}).size(), 2u);  // line tops 0 and 13 are within 13 rows
    EXPECT_EQ(Paint(c, {0, 0, 99, 12}, {0, 13}).size(), 3u);
}

TEST(HTMLLayoutTest, HitTesting) {
    Caption c("<a href=x>link</a> plain<br><sub>s</sub>");
    const TVtRect r{0, 0, 99, 40};
    std::string href = "stale";
    EXPECT_TRUE(c.layout.LinkAt({10, 6}, {}, r, href));
    EXPECT_EQ(href, "x");
    EXPECT_TRUE(c.layout.LinkAt({21, 6}, {}, r, href));  // the run's right edge belongs to it
    EXPECT_FALSE(c.layout.LinkAt({30, 6}, {}, r, href));
    EXPECT_EQ(href, "");
    EXPECT_EQ(c.layout.ItemAtPoint({30, 6}, {}, r), &c.Item(2));
    EXPECT_EQ(c.layout.ItemAtPoint({200, 6}, {}, r), nullptr);

    // Second line (rows 13..25): the subscript is hit in a band that ends at the line's bottom.
    ASSERT_EQ(c.Break(3).Height, 13);
    EXPECT_EQ(c.layout.ItemAtPoint({2, 25}, {}, r), &c.Item(4));
    EXPECT_EQ(c.layout.ItemAtPoint({2, 14}, {}, r), nullptr);  // above its 11-pixel band
    EXPECT_EQ(c.layout.ItemAtPoint({2, 40}, {}, r), nullptr);  // below the last line
    EXPECT_EQ(c.layout.ItemAtPoint({-3, 20}, {3, 0}, r), &c.Item(4));

    // A right-aligned run 16 wide in a rectangle 26 columns wide: painting starts it at 26 - 16 - 1
    // = 9, hit-testing measures the rectangle one narrower and starts it at 8.
    Caption right("<p align=right><a href=c>abc</a>");
    ASSERT_EQ(Paint(right, {0, 0, 25, 20}), std::vector<std::string>{"text 'abc' 9,10"});
    EXPECT_TRUE(right.layout.LinkAt({8, 5}, {}, {0, 0, 25, 20}, href));
    EXPECT_FALSE(right.layout.LinkAt({7, 5}, {}, {0, 0, 25, 20}, href));
    EXPECT_TRUE(right.layout.LinkAt({24, 5}, {}, {0, 0, 25, 20}, href));
    EXPECT_FALSE(right.layout.LinkAt({25, 5}, {}, {0, 0, 25, 20}, href));

    // A superscript is hit in its own band, raised by half its height: the line is 18 high, the
    // run 11, so the band ends 18 - 5 = 13 rows down and begins 11 above that.
    Caption raised("x<sup>p</sup>");
    ASSERT_EQ(raised.Break(0).Height, 18);
    EXPECT_EQ(raised.layout.ItemAtPoint({8, 2}, {}, r), &raised.Item(2));
    EXPECT_EQ(raised.layout.ItemAtPoint({8, 13}, {}, r), &raised.Item(2));
    EXPECT_EQ(raised.layout.ItemAtPoint({8, 1}, {}, r), nullptr);
    EXPECT_EQ(raised.layout.ItemAtPoint({8, 14}, {}, r), nullptr);
    EXPECT_EQ(raised.layout.ItemAtPoint({3, 17}, {}, r), &raised.Item(1));  // the plain run reaches the bottom

    Caption image;
    image.layout.ParseText("<a href=i><img src=a width=10 height=10></a>");
    EXPECT_TRUE(image.layout.LinkAt({5, 5}, {}, r, href));
    EXPECT_EQ(href, "i");
}

}  // namespace
}  // namespace tv
