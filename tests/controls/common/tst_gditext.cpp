// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basapi.h"
#include "drawtextlayout.h"
#include "gdisurface.h"
#include "surfacetesthelpers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace OlvarControls;
using OlvarTest::pixelsOf;
using OlvarTest::rectPixels;

namespace {

using namespace OlvarTest::Colours;

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

class TextSurface : public testing::Test
{
protected:
    TextSurface()
        : surface(QSize(200, 100))
    {
        surface.setFont(testFont());
    }

    /*! The colours found inside and outside the rectangle (l, t, r, b). */
    QSet<quint32> coloursIn(int left, int top, int right, int bottom) const
    {
        QSet<quint32> colours;
        for (QPoint p : rectPixels(left, top, right, bottom))
            colours.insert(surface.GetPixel(p.x(), p.y()).value());
        return colours;
    }
    QSet<QPoint> changedPixels() const { return rectPixels(0, 0, 200, 100) - pixelsOf(surface, White); }

    GdiSurface surface;
};

QStringList lineTexts(const DrawTextLayout &layout)
{
    QStringList texts;
    for (const DrawTextLayout::Line &line : layout.lines())
        texts << layout.text().mid(line.start, line.length);
    return texts;
}

} // namespace

TEST_F(TextSurface, TextOutPutsTheTopLeftOfTheCellAtThePoint)
{
    const QString text = QStringLiteral("Hello");
    const QSize cell = surface.GetTextExtentPoint32A(text);
    ASSERT_GT(cell.width(), 0);
    ASSERT_GT(cell.height(), 0);

    surface.SetTextColor(Red);
    surface.TextOutA(10, 20, text);
    const QSet<QPoint> drawn = changedPixels();
    EXPECT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(rectPixels(10, 20, 10 + cell.width(), 20 + cell.height()).contains(drawn));
    EXPECT_EQ(coloursIn(10, 20, 10 + cell.width(), 20 + cell.height()), QSet<quint32>({White.value(), Red.value()}))
        << "a transparent background leaves the cell as it was, and no antialiasing";
}

TEST_F(TextSurface, AnOpaqueBackgroundFillsTheWholeCell)
{
    const QString text = QStringLiteral("Hello");
    const QSize cell = surface.GetTextExtentPoint32A(text);
    surface.SetBkMode(Gdi::OPAQUE);
    surface.SetBkColor(Yellow);
    surface.SetTextColor(Red);
    surface.TextOutA(-3, 90, text);
    EXPECT_EQ(changedPixels(), rectPixels(0, 90, cell.width() - 3, 100));
    EXPECT_EQ(coloursIn(0, 90, cell.width() - 3, 100), QSet<quint32>({Yellow.value(), Red.value()}));
}

TEST_F(TextSurface, TextFarOutsideDrawsNothing)
{
    surface.SetBkMode(Gdi::OPAQUE);
    surface.TextOutA(std::numeric_limits<int>::max() - 2, 5, QStringLiteral("Hello"));
    surface.TextOutA(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), QStringLiteral("Hello"));
    EXPECT_TRUE(changedPixels().isEmpty());
    OlvarTest::expectOleError(ErrorNumber::InvalidProcedureCall, [&] { surface.SetBkMode(0); });
}

TEST_F(TextSurface, TheTextRoutineSetsTheModeAndColoursAndLeavesThem)
{
    const QSize cell = surface.GetTextExtentPoint32A(QStringLiteral("12"));
    BasApi::TextOut(QStringLiteral("12"), 8, 10, surface, Red, Yellow, true);
    EXPECT_EQ(surface.GetBkMode(), Gdi::OPAQUE);
    EXPECT_EQ(surface.GetBkColor(), Yellow);
    EXPECT_EQ(surface.GetTextColor(), Red);
    EXPECT_EQ(changedPixels(), rectPixels(8, 10, 8 + cell.width(), 10 + cell.height()));

    surface.clear();
    BasApi::TextOut(QStringLiteral("12"), 8, 10, surface, Black, White, false);
    EXPECT_EQ(surface.GetBkMode(), Gdi::TRANSPARENT);
    EXPECT_EQ(surface.GetBkColor(), Yellow) << "the background colour is only set for opaque text";
    EXPECT_EQ(coloursIn(8, 10, 8 + cell.width(), 10 + cell.height()), QSet<quint32>({White.value(), Black.value()}));

    OlvarTest::expectOleError(ErrorNumber::Overflow,
                              [&] { BasApi::TextOut(QStringLiteral("12"), 32768, 0, surface, Black, White, false); });
}

TEST_F(TextSurface, CalcRectMeasuresWithoutDrawing)
{
    const QSize cell = surface.GetTextExtentPoint32A(QStringLiteral("Hello"));
    GdiRect rect{5, 7, 500, 8};
    EXPECT_EQ(surface.DrawTextA(QStringLiteral("Hello"), rect, Gdi::DT_CALCRECT | Gdi::DT_SINGLELINE), cell.height());
    EXPECT_EQ(rect, (GdiRect{5, 7, 5 + cell.width(), 7 + cell.height()}));
    EXPECT_TRUE(changedPixels().isEmpty());

    GdiRect narrow{0, 0, cell.width() + 2, 0};
    const int height =
        surface.DrawTextA(QStringLiteral("Hello Hello Hello"), narrow, Gdi::DT_CALCRECT | Gdi::DT_WORDBREAK);
    EXPECT_EQ(height, 3 * cell.height());
    EXPECT_EQ(narrow, (GdiRect{0, 0, cell.width(), 3 * cell.height()}));

    GdiRect empty{3, 4, 3, 4};
    EXPECT_EQ(surface.DrawTextA(QString(), empty, Gdi::DT_CALCRECT), 0);
    EXPECT_EQ(empty, (GdiRect{3, 4, 3, 4}));

    GdiRect edge{std::numeric_limits<int>::max() - 1, 0, std::numeric_limits<int>::max(), 10};
    OlvarTest::expectOleError(ErrorNumber::Overflow,
                              [&] { surface.DrawTextA(QStringLiteral("Hello"), edge, Gdi::DT_CALCRECT); });
}

TEST_F(TextSurface, AlignmentPlacesTheCell)
{
    const QSize cell = surface.GetTextExtentPoint32A(QStringLiteral("Hi"));
    surface.SetBkMode(Gdi::OPAQUE);
    surface.SetBkColor(Yellow);
    struct Case
    {
        quint32 format;
        int left;
        int top;
    };
    const int vcentreTop = 10 + (60 - cell.height()) / 2;
    const Case cases[] = {
        {Gdi::DT_LEFT, 20, 10},
        {Gdi::DT_CENTER, (20 + 121 - cell.width()) / 2, 10},
        {Gdi::DT_RIGHT, 121 - cell.width(), 10},
        {Gdi::DT_RIGHT | Gdi::DT_SINGLELINE | Gdi::DT_BOTTOM, 121 - cell.width(), 70 - cell.height()},
        {Gdi::DT_CENTER | Gdi::DT_SINGLELINE | Gdi::DT_VCENTER, (20 + 121 - cell.width()) / 2, vcentreTop},
    };
    for (const Case &c : cases) {
        surface.clear();
        GdiRect rect{20, 10, 121, 70};
        surface.DrawTextA(QStringLiteral("Hi"), rect, c.format);
        EXPECT_EQ(changedPixels(), rectPixels(c.left, c.top, c.left + cell.width(), c.top + cell.height()))
            << "format " << c.format;
    }
}

TEST_F(TextSurface, WordBreakWrapsIntoTheRectangleAndClipsToIt)
{
    const int lineHeight = surface.GetTextExtentPoint32A(QStringLiteral("x")).height();
    const int twoWords = surface.GetTextExtentPoint32A(QStringLiteral("aaa bbb")).width();
    surface.SetBkMode(Gdi::OPAQUE);
    surface.SetBkColor(Yellow);
    GdiRect rect{10, 10, 10 + twoWords, 10 + lineHeight + 3};
    EXPECT_EQ(surface.DrawTextA(QStringLiteral("aaa bbb ccc"), rect, Gdi::DT_WORDBREAK), 2 * lineHeight);
    const QSet<QPoint> drawn = changedPixels();
    EXPECT_TRUE(rectPixels(10, 10, rect.right, rect.bottom).contains(drawn)) << "clipped to the rectangle";
    EXPECT_TRUE(drawn.contains(QPoint(10, 10 + lineHeight + 2))) << "the second line starts in the last rows";

    surface.clear();
    GdiRect noClip = rect;
    surface.DrawTextA(QStringLiteral("aaa bbb ccc"), noClip, Gdi::DT_WORDBREAK | Gdi::DT_NOCLIP);
    EXPECT_TRUE(changedPixels().contains(QPoint(10, 10 + 2 * lineHeight - 1)));

    surface.clear();
    GdiRect single = rect;
    surface.DrawTextA(QStringLiteral("aaa bbb ccc"), single, Gdi::DT_SINGLELINE);
    EXPECT_EQ(changedPixels(), rectPixels(10, 10, rect.right, 10 + lineHeight)) << "one clipped line";
}

TEST(DrawTextLayout, BreaksLinesAndWords)
{
    const QFontMetrics metrics(testFont());
    const int wide = metrics.horizontalAdvance(QStringLiteral("aaa bbb"));
    const DrawTextLayout wrapped(QStringLiteral("aaa bbb  ccc"), Gdi::DT_WORDBREAK, metrics, wide);
    EXPECT_EQ(lineTexts(wrapped), QStringList({QStringLiteral("aaa bbb"), QStringLiteral("ccc")}));

    const int three = metrics.horizontalAdvance(QStringLiteral("abc"));
    const DrawTextLayout longWord(QStringLiteral("abcdefgh ij"), Gdi::DT_WORDBREAK, metrics, three);
    EXPECT_EQ(lineTexts(longWord),
              QStringList({QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("gh"), QStringLiteral("ij")}));

    const DrawTextLayout breaks(QStringLiteral("one\r\ntwo\n\nfour\r"), Gdi::DT_LEFT, metrics, 0);
    EXPECT_EQ(lineTexts(breaks),
              QStringList({QStringLiteral("one"), QStringLiteral("two"), QString(), QStringLiteral("four")}));
    const DrawTextLayout single(QStringLiteral("one\r\ntwo"), Gdi::DT_SINGLELINE | Gdi::DT_WORDBREAK, metrics, 0);
    EXPECT_EQ(lineTexts(single), QStringList({QStringLiteral("onetwo")}));

    EXPECT_TRUE(DrawTextLayout(QString(), Gdi::DT_WORDBREAK, metrics, 100).lines().isEmpty());
    EXPECT_EQ(DrawTextLayout(QString(), Gdi::DT_SINGLELINE, metrics, 100).height(), metrics.height());
    EXPECT_EQ(lineTexts(DrawTextLayout(QStringLiteral("x y"), Gdi::DT_WORDBREAK, metrics, -5)),
              QStringList({QStringLiteral("x"), QStringLiteral("y")}));
}

TEST(DrawTextLayout, PrefixesAndTabs)
{
    const QFontMetrics metrics(testFont());
    const DrawTextLayout prefixed(QStringLiteral("&Save && close&"), Gdi::DT_LEFT, metrics, 0);
    EXPECT_EQ(prefixed.text(), QStringLiteral("Save & close"));
    EXPECT_EQ(prefixed.underlined(), QVector<int>({0}));
    EXPECT_EQ(DrawTextLayout(QStringLiteral("a&&b"), Gdi::DT_NOPREFIX, metrics, 0).text(), QStringLiteral("a&&b"));

    const DrawTextLayout tabs(QStringLiteral("a\tb"), Gdi::DT_EXPANDTABS, metrics, 0);
    const QVector<DrawTextLayout::Run> runs = tabs.runs(tabs.lines().constFirst());
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs.at(1).x, 8 * metrics.averageCharWidth());
    EXPECT_EQ(tabs.width(), 8 * metrics.averageCharWidth() + metrics.horizontalAdvance(QLatin1Char('b')));
}

TEST_F(TextSurface, APrefixedCharacterIsUnderlined)
{
    GdiRect plain{0, 0, 200, 50};
    surface.DrawTextA(QStringLiteral("S"), plain, Gdi::DT_LEFT);
    const QSet<QPoint> withoutLine = changedPixels();
    surface.clear();
    surface.DrawTextA(QStringLiteral("&S"), plain, Gdi::DT_LEFT);
    const QSet<QPoint> underline = changedPixels() - withoutLine;
    ASSERT_FALSE(underline.isEmpty());
    const int row = underline.begin()->y();
    for (QPoint p : underline)
        EXPECT_EQ(p.y(), row);
}
