#include <gtest/gtest.h>

#include "unit/html/HTMLTestSupport.h"
#include "widgets/html/HTMLParser.h"

namespace tv {
namespace {

using test::Caption;

TEST(HTMLParserTest, EmptyTextHasNoItems) {
    Caption c("");
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.layout.Data.TextSize.X, 0);
    EXPECT_EQ(c.layout.Data.TextSize.Y, 0);
    Caption onlyComment("<!-- nothing -->");
    EXPECT_EQ(onlyComment.Count(), 0);
}

TEST(HTMLParserTest, CharactersEntitiesAndNumbers) {
    EXPECT_EQ(Caption("a&amp;b").Items(), "P T'a&b'");
    EXPECT_EQ(Caption("a & b").Items(), "P T'a & b'");
    EXPECT_EQ(Caption("&unknown;x").Items(), "P T'x'");
    EXPECT_EQ(Caption("&#65;").Items(), "P T'A'");
    EXPECT_EQ(Caption("&LT;&Gt;&quot;").Items(), "P T'<>\"'");
    EXPECT_EQ(Caption("&copy;&euro;&trade;").Items(), "P T'\xA9\x80\x99'");
    EXPECT_EQ(Caption("a&#321;b").Items(), "P T'aAb'");  // taken modulo 256
    EXPECT_EQ(Caption("a&#256;b").Items(), "P T'ab'");   // code 0 adds nothing
    EXPECT_EQ(Caption("a &#32;b").Items(), "P T'a b'");  // 32 obeys the space rule
    EXPECT_EQ(Caption("a &#zz;b").Items(), "P T'a b'");  // no number counts as a space
    EXPECT_EQ(Caption("x&#66").Items(), "P T'xB'");      // unterminated: applied, walk ends
    EXPECT_EQ(Caption("x&amp").Items(), "P T'x&'");
    EXPECT_EQ(Caption("x&").Items(), "P T'x'");
}

TEST(HTMLParserTest, SpacesAndLineEnds) {
    EXPECT_EQ(Caption("a  b").Items(), "P T'a b'");
    EXPECT_EQ(Caption("a&nbsp;&nbsp;b").Items(), "P T'a  b'");
    EXPECT_EQ(Caption("a\r\nb\rc\nd\te").Items(), "P T'abc\nd\te'");
    EXPECT_EQ(Caption("a <b> b</b>").Items(), "P T'a ' T' b'");  // the rule looks at the current run only
}

TEST(HTMLParserTest, StyleTagsSplitRuns) {
    Caption c("x<b>y</b>z");
    ASSERT_EQ(c.Items(), "P T'x' T'y' T'z'");
    EXPECT_EQ(c.Item(1).Style, 0);
    EXPECT_EQ(c.Item(2).Style, fsBold);
    EXPECT_EQ(c.Item(3).Style, 0);

    Caption upper("<B>x</B>");
    EXPECT_EQ(upper.Item(1).Style, fsBold);

    Caption all("<i><u><strikeout>x</strikeout></u></i><sub>s</sub><sup>p</sup>");
    EXPECT_EQ(all.Item(1).Style, fsItalic | fsUnderline | fsStrikeOut);
    EXPECT_EQ(all.Item(2).Flags, hfIsSub);
    EXPECT_EQ(all.Item(3).Flags, hfIsSup);

    Caption defaults;
    defaults.layout.Data.DefaultStyle = fsItalic;
    defaults.layout.Data.DefaultFont = "Arial";
    defaults.layout.Data.DefaultColor = 0x123456;
    defaults.layout.ParseText("x</i>y");
    EXPECT_EQ(defaults.Item(1).Style, fsItalic);
    EXPECT_EQ(defaults.Item(1).FontName.str(), "Arial");
    EXPECT_EQ(defaults.Item(1).Color, 0x123456u);
    EXPECT_EQ(defaults.Item(1).BgColor, clNone);
    EXPECT_EQ(defaults.Item(2).Style, 0);
}

TEST(HTMLParserTest, UnfinishedTagsAndComments) {
    EXPECT_EQ(Caption("x<b").Items(), "P T'x'");
    Caption boldCut("x<b");
    EXPECT_EQ(boldCut.Item(1).Style, 0);
    EXPECT_EQ(Caption("x<!-- c").Items(), "P T'x'");
    EXPECT_EQ(Caption("x<!--->y").Items(), "P T'xy'");
    EXPECT_EQ(Caption("x<!--a>b-->y").Items(), "P T'xy'");
    EXPECT_EQ(Caption("x<font color=red").Items(), "P T'x'");  // the tag applies, the walk ends
    // Attributes cut off by the end: the tag applies with those completed, the last one dropped.
    Caption cut("x<p align=right indent=5");
    ASSERT_EQ(cut.Items(), "P T'x' P");
    EXPECT_EQ(cut.Break(2).Alignment, haRight);
    EXPECT_EQ(cut.Break(2).Indent, 0);
    Caption cutImage("x<img src=a width=7");
    ASSERT_EQ(cutImage.Items(), "P T'x' I'a'");
    EXPECT_EQ(cutImage.Item(2).Width, 0);
    EXPECT_EQ(Caption("x<img width=7 src=a").Items(), "P T'x'");
    EXPECT_EQ(Caption("x<unknown>y<html>z").Items(), "P T'xyz'");
}

TEST(HTMLParserTest, BreakTags) {
    EXPECT_EQ(Caption("a<br/>b").Items(), "P T'ab'");
    EXPECT_EQ(Caption("a<br />b").Items(), "P T'a' L T'b'");
    EXPECT_EQ(Caption("a<br>b").Items(), "P T'a' L T'b'");
    EXPECT_EQ(Caption("<li>x").Items(), "P B T'x'");
    EXPECT_EQ(Caption("text<br><ul><li>x</ul>").Items(), "P T'text' U B T'x' L");
    EXPECT_EQ(Caption("text<br><b> </b><ul>").Items(), "P T'text' U");
    EXPECT_EQ(Caption("text<br> <ul>").Items(), "P T'text' T' ' U");
    // Text still waiting to be appended keeps its line break.
    EXPECT_EQ(Caption("text<br>y<ul>").Items(), "P T'text' L T'y' U");
    // "/ul" takes away a line break just before it and ends the list with one of its own.
    EXPECT_EQ(Caption("a<br></ul>b").Items(), "P T'a' L T'b'");
    EXPECT_EQ(Caption("<ul><li>a<br></ul>b").Items(), "P U B T'a' L T'b'");
    EXPECT_EQ(Caption("a<br><br></ul>b").Items(), "P T'a' L L T'b'");  // only the one just before
    EXPECT_EQ(Caption("a<hr>b").Items(), "P T'a' L R L T'b'");
    EXPECT_EQ(Caption("<p>x</p>").Items(), "P T'x' P");
}

TEST(HTMLParserTest, ListIndents) {
    Caption c("<ul><li>a<ul><li>b</ul><li>c</ul>d");
    ASSERT_EQ(c.Items(), "P U B T'a' U B T'b' B T'c' L T'd'");
    EXPECT_EQ(c.Break(1).Indent, 11);  // the maximum character width of an 11-pixel font
    EXPECT_EQ(c.Item(3).Indent, 11);
    EXPECT_EQ(c.Break(5).Indent, 22);
    EXPECT_EQ(c.Item(6).Indent, 22);
    EXPECT_EQ(c.Break(7).Indent, 11);
    EXPECT_EQ(c.Break(9).Indent, 0);
    EXPECT_EQ(c.Item(10).Indent, 0);
}

TEST(HTMLParserTest, BreakAlignmentFollowsTheLastBreak) {
    Caption c("<p align=right>a<br>b");
    ASSERT_EQ(c.Items(), "P T'a' L T'b'");
    EXPECT_EQ(c.Break(0).Alignment, haRight);
    EXPECT_EQ(c.Break(2).Alignment, haRight);
    EXPECT_EQ(Caption("a<br>b").Break(2).Alignment, haLeft);
}

TEST(HTMLParserTest, Paragraphs) {
    EXPECT_EQ(Caption("<p align=CENTER>x").Break(0).Alignment, haCenter);
    EXPECT_EQ(Caption("<p align='right'>x").Break(0).Alignment, haRight);
    EXPECT_EQ(Caption("<p align = center>x").Break(0).Alignment, haLeft);
    EXPECT_EQ(Caption("<p align=middle>x").Break(0).Alignment, haLeft);

    Caption indented("<p indent=8>x<br>y");
    ASSERT_EQ(indented.Items(), "P T'x' L T'y'");
    EXPECT_EQ(indented.Break(0).Indent, 8);
    EXPECT_EQ(indented.Item(1).Indent, 8);
    EXPECT_EQ(indented.Break(2).Indent, 8);
    EXPECT_EQ(Caption("<p indent=x>a").Break(0).Indent, 0);

    // After "/p", a "br" carries the closed mark; "p" then only clears it, "/p" changes nothing.
    Caption closed("a</p><br><p>b");
    EXPECT_EQ(closed.Items(), "P T'a' P L T'b'");
    EXPECT_EQ(closed.Item(2).Flags & hfParagraphClosed, hfParagraphClosed);
    EXPECT_EQ(closed.Item(3).Flags & hfParagraphClosed, 0u);
    EXPECT_EQ(Caption("a</p><br></p>b").Items(), "P T'a' P L T'b'");
}

TEST(HTMLParserTest, FontTags) {
    Caption relative("<font size=+2>x</font><font size=-2>y</font><font size=12>z</font><font size=q>w</font>");
    EXPECT_EQ(relative.Item(1).FontHeight, -14);
    EXPECT_EQ(relative.Item(2).FontHeight, -8);
    EXPECT_EQ(relative.Item(3).FontHeight, 12);
    EXPECT_EQ(relative.Item(4).FontHeight, -11);

    Caption highDpi;
    highDpi.metrics.pixelsPerInch = 120;
    highDpi.layout.ParseText("<font size=+3>x");
    EXPECT_EQ(highDpi.Item(1).FontHeight, -16);

    Caption colours(
        "<font color=#FF0000>a</font><font color=red>b</font><font color=clRed>c</font>"
        "<font color=red><font color=#zz>d</font></font><font color=red><font color=mauve>e</font></font>"
        "<font bgcolor=#0000FF>f</font>");
    EXPECT_EQ(colours.Item(1).Color, 0x0000FFu);
    EXPECT_EQ(colours.Item(2).Color, clRed);
    EXPECT_EQ(colours.Item(3).Color, clRed);
    EXPECT_EQ(colours.Item(4).Color, clWindowText);  // digits that are no number: the default
    EXPECT_EQ(colours.Item(5).Color, clRed);         // an unknown name: the colour in force stays
    EXPECT_EQ(colours.Item(6).BgColor, 0xFF0000u);

    // "bgcolor" falls back to the default background, not to the one in force.
    Caption backgrounds;
    backgrounds.layout.Data.DefaultBgColor = 0x00ABCDEF;
    backgrounds.layout.ParseText("<font bgcolor=red><font bgcolor=#zz>a</font><font bgcolor=mauve>b</font></font>");
    EXPECT_EQ(backgrounds.Item(1).BgColor, 0x00ABCDEFu);
    EXPECT_EQ(backgrounds.Item(2).BgColor, clRed);

    // "/font" gives back the height, colour and background in force before its "font".
    Caption restored(
        "<font size=20 color=red bgcolor=blue>a<font size=30 color=lime bgcolor=#FFFF00>b</font>c"
        "</font>d");
    ASSERT_EQ(restored.Items(), "P T'a' T'b' T'c' T'd'");
    EXPECT_EQ(restored.Item(2).FontHeight, 30);
    EXPECT_EQ(restored.Item(2).Color, 0x00FF00u);
    EXPECT_EQ(restored.Item(2).BgColor, 0x00FFFFu);
    EXPECT_EQ(restored.Item(3).FontHeight, 20);
    EXPECT_EQ(restored.Item(3).Color, clRed);
    EXPECT_EQ(restored.Item(3).BgColor, clBlue);
    EXPECT_EQ(restored.Item(4).FontHeight, -11);
    EXPECT_EQ(restored.Item(4).Color, clWindowText);
    EXPECT_EQ(restored.Item(4).BgColor, clNone);

    Caption faces("<font face=Arial name=Tahoma>a<font face=\"Courier New\">b</font>c</font>d</font>e");
    EXPECT_EQ(faces.Item(1).FontName.str(), "Tahoma");
    EXPECT_EQ(faces.Item(2).FontName.str(), "Courier New");
    EXPECT_EQ(faces.Item(3).FontName.str(), "Tahoma");
    EXPECT_EQ(faces.Item(4).FontName.str(), "MS Sans Serif");
    EXPECT_EQ(faces.Item(5).FontName.str(), "MS Sans Serif");  // an unbalanced "/font" clears nothing more

    Caption huge("<font size=+2147483647>x</font><font size=-2147483648>y");
    EXPECT_EQ(huge.Item(1).FontHeight, INT32_MIN);
    EXPECT_EQ(huge.Item(2).FontHeight, INT32_MAX);
}

TEST(HTMLParserTest, Links) {
    Caption plain("<a>x</a>");
    EXPECT_FALSE(plain.Item(1).IsLink());
    Caption named("<a name=x>y</a>z");
    EXPECT_TRUE(named.Item(1).IsLink());
    EXPECT_EQ(named.Item(1).HRef.str(), "");
    EXPECT_FALSE(named.Item(2).IsLink());
    Caption link("<a href=\"http://x/?a=b\">go</a>");
    EXPECT_EQ(link.Item(1).HRef.str(), "http://x/?a=b");

    // Every run of a link carries its target; the copies share one text, whatever its length.
    Caption runs("<a href=there>x<b>y</b></a>z");
    ASSERT_EQ(runs.Items(), "P T'x' T'y' T'z'");
    EXPECT_EQ(runs.Item(2).HRef.str(), "there");
    EXPECT_TRUE(runs.Item(1).HRef.SharesWith(runs.Item(2).HRef));
    EXPECT_FALSE(runs.Item(3).IsLink());
    EXPECT_EQ(runs.Item(3).HRef.str(), "");
}

TEST(HTMLParserTest, ImagesAndRules) {
    Caption noHandler("<img src=a.bmp width=16>");
    ASSERT_EQ(noHandler.Items(), "P I'a.bmp'");
    EXPECT_EQ(noHandler.Item(1).Width, 16);
    EXPECT_EQ(noHandler.Item(1).Height, 0);
    EXPECT_EQ(Caption("a<img>b<img src=>c<img src=''>").Items(), "P T'abc'");

    Caption handled;
    std::vector<std::string> requested;
    int bitmap = 0;  // stands for the platform's bitmap; never drawn here
    handled.layout.OnImageNeeded = [&](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
        requested.push_back(src);
        if (src == "pic") image.Handle = &bitmap;
        image.Width = 20;
        image.Height = 10;
    };
    handled.layout.ParseText("x<img src='pic' height=5>y");
    ASSERT_EQ(handled.Items(), "P T'x' I'pic' T'y'");
    EXPECT_EQ(handled.Item(2).Width, 20);
    EXPECT_EQ(handled.Item(2).Height, 5);
    EXPECT_EQ(requested, std::vector<std::string>{"pic"});

    // A size without a bitmap is no image: only the tag's own attributes size the item.
    handled.layout.ParseText("<img src='missing' height=5>");
    ASSERT_EQ(handled.Items(), "P I'missing'");
    EXPECT_EQ(handled.Item(1).Width, 0);
    EXPECT_EQ(handled.Item(1).Height, 5);

    EXPECT_EQ(Caption("<img src=a width=-5>").Item(1).Width, 0);
    EXPECT_EQ(Caption("<img src=a width=70000>").Item(1).Width, 0xFFFF);
    EXPECT_EQ(Caption("<hr width=40>").Item(2).Width, 40);
    EXPECT_EQ(Caption("<hr width=x>").Item(2).Width, 0);
    EXPECT_EQ(Caption("<hr>").Item(2).Width, 0);
}

TEST(HTMLParserTest, FailuresClearTheItemsAndRaiseTheEngineError) {
    Caption c("before");
    ASSERT_GT(c.Count(), 0);
    c.layout.OnImageNeeded = [](TVtHTMLLayout&, const std::string&, TVtHTMLImage&) { throw EVtListError(7); };
    try {
        c.layout.ParseText("x<img src=a>");
        FAIL() << "no error";
    } catch (const TvError& e) {
        EXPECT_STREQ(e.what(), kHTMLEngineError);
    }
    EXPECT_EQ(c.Count(), 0);

    // Failures that are not the program's own errors pass through unchanged.
    c.layout.OnImageNeeded = [](TVtHTMLLayout&, const std::string&, TVtHTMLImage&) { throw 42; };
    EXPECT_THROW(c.layout.ParseText("x<img src=a>"), int);
    EXPECT_EQ(c.Count(), 0);
}

TEST(HTMLParserTest, TextEndsAtNul) { EXPECT_EQ(Caption(std::string("ab\0<b>c", 7)).Items(), "P T'ab'"); }

}  // namespace
}  // namespace tv
