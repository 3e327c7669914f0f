// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "cinfotip.h"
#include "infotippainter.h"
#include "infotipwindow.h"
#include "minfotip.h"
#include "msgbox.h"
#include "testenvironment.h"

#include <QFontMetrics>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace OlvarControls;
using OlvarTest::messageBoxes;
using OlvarTest::virtualDesktop;
using OlvarTest::virtualScheduler;

namespace {

constexpr OleColor White = OleColor::fromRgb(255, 255, 255);
constexpr OleColor Red = OleColor::fromRgb(255, 0, 0);
constexpr OleColor Blue = OleColor::fromRgb(0, 0, 255);
constexpr OleColor Green = OleColor::fromRgb(0, 160, 0);

QRgb rgbOf(OleColor color)
{
    return qRgb(color.red(), color.green(), color.blue());
}

int countIn(const QImage &image, const QRect &rect, QRgb color)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.valid(x, y) && image.pixel(x, y) == color;
    }
    return count;
}

/* The columns holding \a color in the rows of \a rows, as (first, last); (-1, -1) for none. */
QPair<int, int> columnsOf(const QImage &image, int top, int bottom, QRgb color)
{
    QPair<int, int> columns(-1, -1);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = top; y < bottom; ++y) {
            if (image.pixel(x, y) == color) {
                if (columns.first < 0)
                    columns.first = x;
                columns.second = x;
            }
        }
    }
    return columns;
}

/* A tip in plain colours, its own time-out off, with the pointer in the middle of the screen. */
class InfoTipTest : public ::testing::Test
{
protected:
    InfoTipTest()
    {
        virtualDesktop().setCursorPos(QPoint(300, 200));
        tip.setBackColor(White);
        tip.setForeColor(Red);
        tip.setTitleColor(Blue);
        tip.setBorderColor(Green);
    }

    QImage drawing() const { return tip.window()->surface().image(); }
    QRect geometry() const { return tip.window()->geometry(); }
    QSize body() const { return geometry().size() - (tip.dropShadow() ? QSize(4, 4) : QSize(0, 0)); }
    int textHeight() const { return QFontMetrics(tip.style().font(false)).height(); }

    CInfoTip tip;
};

} // namespace

TEST_F(InfoTipTest, StartsHiddenWithItsDefaults)
{
    const CInfoTip fresh;
    EXPECT_EQ(fresh.hWnd(), 0);
    EXPECT_EQ(fresh.window(), nullptr);
    EXPECT_EQ(fresh.text(), QString());
    EXPECT_EQ(fresh.title(), QString());
    EXPECT_FALSE(fresh.showTitle());
    EXPECT_EQ(fresh.titleColor(), OleColor(0x80000017));
    EXPECT_EQ(fresh.foreColor(), OleColor(0x80000017));
    EXPECT_EQ(fresh.backColor(), OleColor(0x80000018));
    EXPECT_EQ(fresh.borderColor(), OleColor(0x80000015));
    EXPECT_EQ(fresh.borderStyle(), 0);
    EXPECT_EQ(fresh.padding(), 5);
    EXPECT_EQ(fresh.tabSize(), 8);
    EXPECT_TRUE(fresh.useSystemFont());
    EXPECT_EQ(fresh.fontName(), QStringLiteral("Arial"));
    EXPECT_EQ(fresh.fontSize(), 8);
    EXPECT_TRUE(fresh.dropShadow());
    EXPECT_TRUE(fresh.useTimeOut());
    EXPECT_EQ(fresh.timeOut(), 2500);
    EXPECT_EQ(fresh.Version(), QStringLiteral("1.0.1"));
    EXPECT_EQ(fresh.GetAddress(-123456), -123456);
    EXPECT_EQ(fresh.property("TimeOut").toInt(), 2500);
}

TEST_F(InfoTipTest, ShowsBelowThePointerSizedToTheTextWithTheShadowMargin)
{
    tip.Show(QStringLiteral("Room 4\nMon 10:00"));
    ASSERT_NE(tip.window(), nullptr);
    EXPECT_TRUE(tip.window()->isVisible());
    EXPECT_NE(tip.hWnd(), 0);
    EXPECT_TRUE(tip.window()->windowFlags() & Qt::ToolTip);
    EXPECT_TRUE(tip.window()->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(geometry().topLeft(), QPoint(300, 222));
    EXPECT_EQ(body().height(), 2 * textHeight() + 5);
    const int width = body().width();
    EXPECT_EQ(geometry().size(), QSize(width + 4, body().height() + 4));

    tip.setDropShadow(false);
    tip.Show(QStringLiteral("Room 4\nMon 10:00"));
    EXPECT_EQ(geometry().size(), QSize(width, 2 * textHeight() + 5));
}

TEST_F(InfoTipTest, EmptyTextGivesAPaddingOnlyTipAndTheTextPropertyFillsIn)
{
    tip.Show();
    EXPECT_EQ(body(), QSize(10, 5));
    tip.setShowTitle(true);
    tip.Show();
    EXPECT_EQ(body(), QSize(10, 5 + textHeight() + 5));

    tip.setShowTitle(false);
    tip.setText(QStringLiteral("From the property"));
    tip.Show();
    const QSize fromProperty = body();
    tip.Show(QStringLiteral("From the property"));
    EXPECT_EQ(body(), fromProperty);
    tip.Show(QStringLiteral("x"));
    EXPECT_LT(body().width(), fromProperty.width());
}

TEST_F(InfoTipTest, StaysOnTheScreenNearItsEdges)
{
    tip.setText(QStringLiteral("Counsellor unavailable"));
    virtualDesktop().setCursorPos(QPoint(1910, 500));
    tip.Show();
    EXPECT_EQ(geometry().topLeft(), QPoint(1920 - body().width() - 5, 522));

    virtualDesktop().setCursorPos(QPoint(500, 1075));
    tip.Show();
    EXPECT_EQ(geometry().topLeft(), QPoint(500, 1075 - 5 - body().height()));
    EXPECT_LE(geometry().bottom(), 1079);
}

TEST_F(InfoTipTest, TabsBecomeSpacesInTheTextAndVanishFromTheTitle)
{
    tip.setDropShadow(false);
    tip.Show(QStringLiteral("a\tb"));
    const int tabbed = body().width();
    tip.Show(QStringLiteral("a        b"));
    EXPECT_EQ(body().width(), tabbed);
    tip.setTabSize(2);
    tip.Show(QStringLiteral("a\tb"));
    EXPECT_LT(body().width(), tabbed);

    // A title wider than the text sets the width.
    tip.setShowTitle(true);
    tip.Show(QStringLiteral("x"), QStringLiteral("Ca\tnce\tlled"));
    const int titled = body().width();
    tip.Show(QStringLiteral("x"), QStringLiteral("Cancelled"));
    EXPECT_EQ(body().width(), titled);
    EXPECT_GT(titled, 10 + QFontMetrics(tip.style().font(false)).horizontalAdvance(QStringLiteral("x")));
}

TEST_F(InfoTipTest, DrawsFillTitleSeparatorAndText)
{
    tip.setDropShadow(false);
    tip.setBorderStyle(2);
    tip.setShowTitle(true);
    tip.Show(QStringLiteral("Session booked"), QStringLiteral("Note"));
    const QImage image = drawing();
    const QSize size = body();
    // No border: the corners are the fill.
    EXPECT_EQ(image.pixel(0, 0), rgbOf(White));
    EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), rgbOf(White));

    const int separator = 2 + textHeight() + 2;
    EXPECT_EQ(countIn(image, QRect(5, separator, size.width() - 10, 1), rgbOf(Green)), size.width() - 10);
    EXPECT_EQ(countIn(image, QRect(0, separator - 1, size.width(), 1), rgbOf(Green)), 0);
    EXPECT_EQ(countIn(image, QRect(0, separator + 1, size.width(), 1), rgbOf(Green)), 0);
    // The title above the separator, the text below it, each in its colour.
    EXPECT_GT(countIn(image, QRect(0, 0, size.width(), separator), rgbOf(Blue)), 0);
    EXPECT_EQ(countIn(image, QRect(0, 0, size.width(), separator), rgbOf(Red)), 0);
    EXPECT_GT(countIn(image, QRect(0, separator + 1, size.width(), size.height()), rgbOf(Red)), 0);
    EXPECT_EQ(countIn(image, QRect(0, separator + 1, size.width(), size.height()), rgbOf(Blue)), 0);
}

TEST_F(InfoTipTest, BorderStyles)
{
    tip.setDropShadow(false);
    tip.Show(QStringLiteral("Border"));
    QImage image = drawing();
    const int w = body().width();
    const int h = body().height();
    const QPalette palette = tip.window()->palette();
    const QRgb light = palette.color(QPalette::Midlight).rgb();
    const QRgb dark = palette.color(QPalette::Shadow).rgb();
    ASSERT_NE(light, dark);
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(w - 2, 0), light);
    EXPECT_EQ(image.pixel(0, h - 2), light);
    EXPECT_EQ(image.pixel(w - 1, 0), dark);
    EXPECT_EQ(image.pixel(0, h - 1), dark);
    EXPECT_EQ(image.pixel(w - 1, h - 1), dark);
    EXPECT_EQ(image.pixel(1, 1), rgbOf(White));

    tip.setBorderStyle(1);
    tip.Show(QStringLiteral("Border"));
    image = drawing();
    EXPECT_EQ(countIn(image, QRect(0, 0, w, 1), rgbOf(Green)), w);
    EXPECT_EQ(countIn(image, QRect(0, h - 1, w, 1), rgbOf(Green)), w);
    EXPECT_EQ(countIn(image, QRect(0, 0, 1, h), rgbOf(Green)), h);
    EXPECT_EQ(countIn(image, QRect(w - 1, 0, 1, h), rgbOf(Green)), h);
    EXPECT_EQ(image.pixel(1, 1), rgbOf(White));
}

TEST_F(InfoTipTest, AlignsTheTextAndKeepsTheTitlesAlignmentForAnUnknownOne)
{
    tip.setDropShadow(false);
    tip.setShowTitle(true);
    const QString title = QStringLiteral("A much longer title line");
    const int textTop = 2 + textHeight() + 2 + 2;
    const auto textColumns = [&] {
        tip.Show(QStringLiteral("ab"), title);
        return columnsOf(drawing(), textTop, body().height(), rgbOf(Red));
    };
    const QPair<int, int> left = textColumns();
    ASSERT_GE(left.first, 5);
    EXPECT_LT(left.first, 8);
    tip.setTextAlignment(2);
    const QPair<int, int> right = textColumns();
    EXPECT_GT(right.second, body().width() - 9);
    EXPECT_LT(right.second, body().width() - 5);
    tip.setTextAlignment(1);
    const QPair<int, int> centred = textColumns();
    EXPECT_GT(centred.first, left.first + 10);
    EXPECT_LT(centred.second, right.second - 10);

    tip.setTitleAlignment(2);
    tip.setTextAlignment(7);
    EXPECT_EQ(textColumns(), right);
    tip.setShowTitle(false);
    tip.Show(QStringLiteral("ab\nlonger line"));
    EXPECT_LT(columnsOf(drawing(), 2, 2 + textHeight(), rgbOf(Red)).first, 8);
}

TEST_F(InfoTipTest, ShadowDarkensTheScreenUnderTheMargin)
{
    const OleColor ground = OleColor::fromRgb(200, 100, 50);
    QImage screen(1920, 1080, QImage::Format_RGB32);
    screen.fill(rgbOf(ground));
    virtualDesktop().setScreenImage(screen);
    tip.Show(QStringLiteral("Shadow\nsecond line\nthird line"));
    const QImage image = drawing();
    const int w = image.width();
    const int h = image.height();
    ASSERT_EQ(QSize(w, h), geometry().size());
    const auto shaded = [&](int factor) { return rgbOf(InfoTipPainter::darken(ground, factor)); };

    // Right margin: the screen itself at the top, fading in, full strength, fading out at the bottom.
    for (int i = 1; i <= 4; ++i) {
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(image.pixel(w - i, j), rgbOf(ground)) << i << ',' << j;
        for (int j = 4; j < 8; ++j)
            EXPECT_EQ(image.pixel(w - i, j), shaded(3 * i * (j - 3))) << i << ',' << j;
        EXPECT_EQ(image.pixel(w - i, 8), shaded(15 * i));
        EXPECT_EQ(image.pixel(w - i, h - 5), shaded(15 * i));
        for (int j = h - 4; j < h; ++j)
            EXPECT_EQ(image.pixel(w - i, j), shaded(3 * i * (h - j))) << i << ',' << j;
    }
    // Bottom margin, up to the corner square that the right margin owns.
    for (int i = 1; i <= 4; ++i) {
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(image.pixel(k, h - i), rgbOf(ground));
        for (int k = 4; k < 8; ++k)
            EXPECT_EQ(image.pixel(k, h - i), shaded(3 * i * (k - 3)));
        EXPECT_EQ(image.pixel(8, h - i), shaded(15 * i));
        EXPECT_EQ(image.pixel(w - 5, h - i), shaded(15 * i));
    }
    // The darkest: 60/255 next to the body; the body itself is untouched.
    EXPECT_EQ(image.pixel(w - 4, h / 2), qRgb(200 - 47, 100 - 23, 50 - 11));
    EXPECT_EQ(image.pixel(w / 2, h - 4), qRgb(153, 77, 39));
    EXPECT_EQ(image.pixel(w - 5, h / 2), tip.window()->palette().color(QPalette::Shadow).rgb());
}

TEST_F(InfoTipTest, ShadowCopiesThePixelsFromUnderTheTipsOwnPlace)
{
    // Every screen pixel tells where it is.
    QImage screen(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    }
    virtualDesktop().setScreenImage(screen);
    virtualDesktop().setCursorPos(QPoint(1000, 600));
    tip.Show(QStringLiteral("Where"));
    const QImage image = drawing();
    const QRect place = geometry();
    EXPECT_EQ(image.pixel(image.width() - 1, 0), screen.pixel(place.right(), place.top()));
    EXPECT_EQ(image.pixel(image.width() - 4, 3), screen.pixel(place.right() - 3, place.top() + 3));
    EXPECT_EQ(image.pixel(2, image.height() - 1), screen.pixel(place.left() + 2, place.bottom()));
    // Without a shadow nothing is taken from the screen.
    tip.setDropShadow(false);
    tip.Show(QStringLiteral("Where"));
    EXPECT_EQ(countIn(drawing(), drawing().rect(), screen.pixel(place.right(), place.top())), 0);
}

TEST_F(InfoTipTest, KeepsItsDrawingWhenThePlatformAsksForARepaint)
{
    tip.setShowTitle(true);
    tip.Show(QStringLiteral("Repaint me"), QStringLiteral("Title"));
    InfoTipWindow *window = tip.window();
    window->update();
    QCoreApplication::processEvents();
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, drawing());
    EXPECT_GT(countIn(shown, shown.rect(), rgbOf(Red)), 0);
}

TEST_F(InfoTipTest, ShowWhileShownReusesTheWindowAtTheNewPointer)
{
    tip.Show(QStringLiteral("First"));
    QPointer<InfoTipWindow> first = tip.window();
    const QSize firstSize = geometry().size();
    virtualDesktop().setCursorPos(QPoint(700, 400));
    tip.Show(QStringLiteral("Second, and much longer"));
    EXPECT_EQ(tip.window(), first.data());
    EXPECT_EQ(geometry().topLeft(), QPoint(700, 422));
    EXPECT_GT(geometry().width(), firstSize.width());
    EXPECT_EQ(drawing().size(), geometry().size());
}

TEST_F(InfoTipTest, HideDestroysTheWindowAndAlwaysRaisesHidden)
{
    QSignalSpy hidden(&tip, &CInfoTip::Hidden);
    tip.Hide();
    EXPECT_EQ(hidden.count(), 1);
    tip.setUseTimeOut(false);
    tip.Show(QStringLiteral("Gone soon"));
    QPointer<InfoTipWindow> window = tip.window();
    tip.Hide();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(tip.hWnd(), 0);
    EXPECT_EQ(hidden.count(), 2);
    // A later show makes a new window and the properties are kept.
    tip.Show();
    EXPECT_NE(tip.window(), nullptr);
    EXPECT_FALSE(tip.useTimeOut());
}

TEST_F(InfoTipTest, DestroyingTheObjectHidesTheTip)
{
    QPointer<InfoTipWindow> window;
    {
        CInfoTip local;
        local.Show(QStringLiteral("Short-lived"));
        window = local.window();
        ASSERT_FALSE(window.isNull());
    }
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(MInfoTip::currentTimedTip(), nullptr);
    virtualScheduler().advance(5000); // its timer went with it
}

TEST_F(InfoTipTest, TimesOutOnceAfterTimeOut)
{
    QSignalSpy hidden(&tip, &CInfoTip::Hidden);
    tip.Show(QStringLiteral("Timed"));
    EXPECT_EQ(MInfoTip::currentTimedTip(), &tip);
    virtualScheduler().advance(2499);
    EXPECT_NE(tip.window(), nullptr);
    virtualScheduler().advance(1);
    EXPECT_EQ(tip.window(), nullptr);
    EXPECT_EQ(hidden.count(), 1);
    virtualScheduler().advance(10000);
    EXPECT_EQ(hidden.count(), 1);

    // A time-out below one millisecond hides at the next tick instead of failing.
    tip.setTimeOut(0);
    tip.Show(QStringLiteral("Timed"));
    virtualScheduler().advance(1);
    EXPECT_EQ(tip.window(), nullptr);
}

TEST_F(InfoTipTest, HideOrANewShowCancelsOrRestartsThePendingTimeOut)
{
    QSignalSpy hidden(&tip, &CInfoTip::Hidden);
    tip.Show(QStringLiteral("Timed"));
    tip.Hide();
    virtualScheduler().advance(5000);
    EXPECT_EQ(hidden.count(), 1);

    tip.Show(QStringLiteral("Timed"));
    virtualScheduler().advance(2000);
    tip.Show(QStringLiteral("Again"));
    virtualScheduler().advance(2000);
    EXPECT_NE(tip.window(), nullptr);
    virtualScheduler().advance(500);
    EXPECT_EQ(tip.window(), nullptr);

    // Shown again without a time-out, it stays.
    tip.Show(QStringLiteral("Timed"));
    tip.setUseTimeOut(false);
    tip.Show(QStringLiteral("Stays"));
    virtualScheduler().advance(60000);
    EXPECT_NE(tip.window(), nullptr);
}

TEST_F(InfoTipTest, EachTipTimesOutOnItsOwnClock)
{
    CInfoTip second;
    tip.Show(QStringLiteral("First"));
    virtualScheduler().advance(1000);
    second.Show(QStringLiteral("Second"));
    EXPECT_EQ(MInfoTip::currentTimedTip(), &second);
    virtualScheduler().advance(1500);
    EXPECT_EQ(tip.window(), nullptr);
    EXPECT_NE(second.window(), nullptr);
    virtualScheduler().advance(1000);
    EXPECT_EQ(second.window(), nullptr);
    EXPECT_EQ(MInfoTip::currentTimedTip(), &second);
}

TEST_F(InfoTipTest, CurrentTimedTipKeepsASharedTipAliveUntilTheNextOne)
{
    QPointer<CInfoTip> watched;
    {
        auto shared = std::make_shared<CInfoTip>();
        watched = shared.get();
        shared->Show(QStringLiteral("Fire and forget"));
    }
    ASSERT_FALSE(watched.isNull());
    EXPECT_EQ(MInfoTip::currentTimedTip(), watched.data());
    virtualScheduler().advance(2500);
    EXPECT_EQ(watched->window(), nullptr);
    ASSERT_FALSE(watched.isNull());

    // A tip shown without a time-out does not replace it; the next timed one does.
    tip.setUseTimeOut(false);
    tip.Show(QStringLiteral("Untimed"));
    EXPECT_FALSE(watched.isNull());
    tip.setUseTimeOut(true);
    tip.Show(QStringLiteral("Timed"));
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(MInfoTip::currentTimedTip(), &tip);
    MInfoTip::releaseCurrentTimedTip();
    EXPECT_EQ(MInfoTip::currentTimedTip(), nullptr);
}

TEST_F(InfoTipTest, FontsFollowTheSystemFontOrTheFontProperties)
{
    const QFont system = InfoTipStyle::statusBarFont();
    tip.setFontName(QStringLiteral("Courier"));
    tip.setFontSize(30);
    tip.setFontItalic(true);
    EXPECT_EQ(tip.style().font(false), system);
    EXPECT_EQ(tip.style().font(true).weight(), 900);

    tip.setUseSystemFont(false);
    QFont text = tip.style().font(false);
    EXPECT_EQ(text.family(), QStringLiteral("Courier"));
    EXPECT_EQ(text.pixelSize(), 30);
    EXPECT_EQ(text.weight(), 300);
    EXPECT_TRUE(text.italic());
    EXPECT_FALSE(text.underline());
    EXPECT_EQ(tip.style().font(true).weight(), 900);
    tip.setFontBold(true);
    tip.setFontUnderline(true);
    tip.setFontStrikethrough(true);
    text = tip.style().font(false);
    EXPECT_EQ(text.weight(), 900);
    EXPECT_TRUE(text.underline());
    EXPECT_TRUE(text.strikeOut());
    tip.setFontSize(-4);
    EXPECT_EQ(tip.style().font(false).pixelSize(), 1);

    // The bigger font makes the bigger tip.
    tip.setFontSize(8);
    tip.Show(QStringLiteral("Size"));
    const QSize small = body();
    tip.setFontSize(30);
    tip.Show(QStringLiteral("Size"));
    EXPECT_GT(body().height(), small.height() + 15);
}

TEST_F(InfoTipTest, OwnerWindowAndAboutBox)
{
    QWidget host;
    QWidget *child = new QWidget(&host);
    tip.setParenthWnd(qint32(quint32(child->winId())));
    tip.Show(QStringLiteral("Owned"));
    EXPECT_EQ(tip.window()->parentWidget(), &host);
    EXPECT_TRUE(tip.window()->isWindow());
    EXPECT_EQ(tip.hWnd(), qint32(quint32(tip.window()->winId())));

    tip.About();
    EXPECT_EQ(messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("CInfoTip v1.0.1"), MsgBox::OkOnly | MsgBox::Information,
                                 QStringLiteral("About CInfoTip")}));
}

TEST_F(InfoTipTest, AnOwnerClosingTakesTheTipWindowWithIt)
{
    auto host = std::make_unique<QWidget>();
    tip.setParenthWnd(qint32(quint32(host->winId())));
    tip.Show(QStringLiteral("Owned"));
    ASSERT_EQ(tip.window()->parentWidget(), host.get());
    host.reset();
    EXPECT_EQ(tip.window(), nullptr);
    EXPECT_EQ(tip.hWnd(), 0);
    virtualScheduler().advance(2500); // the time-out finds nothing to destroy

    tip.setParenthWnd(0);
    tip.Show(QStringLiteral("Unowned"));
    ASSERT_NE(tip.window(), nullptr);
    EXPECT_EQ(tip.window()->parentWidget(), nullptr);
}
