// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourlettesthelpers.h"
#include "surfacetesthelpers.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

/* A shown day view at scroll value 224 with every event it raises written down. */
class HourletMouse : public testing::Test
{
protected:
    void SetUp() override
    {
        hourlet = shownHourlet();
        hourlet->setSelectionHighlight(true);
        hourlet->setVScrollValue(224);
        Hourlet *h = hourlet.get();
        const auto mouse = [this](const char *name) {
            return [this, name](qint16 button, qint16 shift, float x, float y) {
                events
                    << QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        QObject::connect(h, &Hourlet::MouseDown, h, mouse("MouseDown"));
        QObject::connect(h, &Hourlet::MouseUp, h, mouse("MouseUp"));
        QObject::connect(h, &Hourlet::Click, h, [this] { events << QStringLiteral("Click"); });
        QObject::connect(h, &Hourlet::DblClick, h, [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(h, &Hourlet::KeyDown, h, [this](qint16 code, qint16 shift) {
            events << QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift);
        });
        QObject::connect(h, &Hourlet::KeyPress, h,
                         [this](qint16 ascii) { events << QStringLiteral("KeyPress(%1)").arg(ascii); });
        QObject::connect(h, &Hourlet::KeyUp, h, [this](qint16 code, qint16 shift) {
            events << QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift);
        });
    }

    void bindTo(SessionDatabase &database)
    {
        hourlet->setConnectionString(database.connectionString());
        hourlet->setResource(12);
        hourlet->setVScrollValue(224);
    }

    void press(int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(hourlet.get(), button, Qt::NoModifier, QPoint(400, y));
    }
    void moveTo(int y) { QTest::mouseMove(hourlet.get(), QPoint(400, y)); }
    void release(int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(hourlet.get(), button, Qt::NoModifier, QPoint(400, y));
    }

    OleDate selected(Hourlet::Appt_Detail_Type field) const { return hourlet->GetSelectedAppt(field).value<OleDate>(); }
    int selectedInt(Hourlet::Appt_Detail_Type field) const { return hourlet->GetSelectedAppt(field).toInt(); }

    std::unique_ptr<Hourlet> hourlet;
    QStringList events;
};

} // namespace

TEST_F(HourletMouse, APressInTheHeaderBandChangesNothing)
{
    hourlet->setVScrollValue(0);
    press(58);
    release(58);
    EXPECT_FALSE(events.contains(QStringLiteral("MouseDown(1,0,400,58)")));
    EXPECT_EQ(events.first(), QStringLiteral("MouseUp(1,0,400,58)"));
    EXPECT_EQ(hourlet->sessionId(), -1); // the release still resolves the (blank) selection
    EXPECT_EQ(selectedInt(Hourlet::ad2_ApptStartCoord), 0);

    press(59);
    release(59);
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 0));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 0, 30));
}

TEST_F(HourletMouse, APressSelectsTheSlotUnderThePointer)
{
    const int y = slotRow(20, 224);
    press(y);
    release(y);
    EXPECT_EQ(selectedInt(Hourlet::ad2_ApptStartCoord), 379);
    EXPECT_EQ(selectedInt(Hourlet::ad3_ApptEndCoord), 394);
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 10));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 10, 30));
    EXPECT_EQ(hourlet->sessionId(), -1);
    EXPECT_EQ(selectedInt(Hourlet::ad9_ApptType), -1);
    EXPECT_EQ(hourlet->sessionDate(), OleDate::fromDate(testDay()));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("MouseDown(1,0,400,%1)").arg(y),
                           QStringLiteral("MouseUp(1,0,400,%1)").arg(224 + y), QStringLiteral("Click")}));
}

TEST_F(HourletMouse, ASweepRunsFromTheFirstSlotAndKeepsTheEarliestStart)
{
    press(slotRow(20, 224));
    moveTo(slotRow(22, 224));
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 10));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 11, 30));
    moveTo(slotRow(18, 224));
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 9));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 10, 30));
    EXPECT_EQ(selectedInt(Hourlet::ad2_ApptStartCoord), 347);
    moveTo(slotRow(22, 224));
    release(slotRow(22, 224));
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 9));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 11, 30));
    EXPECT_EQ(hourlet->startTime(), QStringLiteral("07/03/2026 09:00:00"));
    EXPECT_EQ(hourlet->endTime(), QStringLiteral("07/03/2026 11:30:00"));
}

TEST_F(HourletMouse, WithoutHighlightingAPressSelectsOneSlotAndMovesChangeNothing)
{
    hourlet->setSelectionHighlight(false);
    press(slotRow(20, 224));
    moveTo(slotRow(24, 224));
    release(slotRow(24, 224));
    EXPECT_EQ(selected(Hourlet::ad6_ApptTimeStart), at(testDay(), 10));
    EXPECT_EQ(selected(Hourlet::ad7_ApptTimeEnd), at(testDay(), 10, 30));
}

TEST_F(HourletMouse, ASweepPastTheEdgesScrollsOneSlotPerMove)
{
    QSignalSpy changes(hourlet.get(), &Hourlet::VScrollChange);
    hourlet->setVScrollValue(400);
    press(300);
    moveTo(400); // the client height
    EXPECT_EQ(hourlet->vScrollValue(), 416);
    moveTo(410);
    EXPECT_EQ(hourlet->vScrollValue(), 432);
    moveTo(420);
    EXPECT_EQ(hourlet->vScrollValue(), 432); // the maximum
    moveTo(58);
    EXPECT_EQ(hourlet->vScrollValue(), 416);
    EXPECT_EQ(changes.count(), 4);
    release(58);

    hourlet->setVScrollValue(20);
    press(100);
    moveTo(40);
    EXPECT_EQ(hourlet->vScrollValue(), 4);
    moveTo(41);
    EXPECT_EQ(hourlet->vScrollValue(), 0);
    moveTo(59);
    EXPECT_EQ(hourlet->vScrollValue(), 0);
    release(59);
}

TEST_F(HourletMouse, AReleaseOverAnAppointmentSelectsIt)
{
    SessionDatabase database;
    const qint32 first =
        database.addSession(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11), QStringLiteral("First"));
    const qint32 second = database.addSession(OleDate::fromDate(testDay()), timeOfDay(10, 30), timeOfDay(11, 30),
                                              QStringLiteral("Second"));
    bindTo(database);

    press(slotRow(20, 224));
    release(slotRow(20, 224));
    EXPECT_EQ(hourlet->sessionId(), first);
    EXPECT_EQ(hourlet->subject(), QStringLiteral("First"));
    EXPECT_EQ(hourlet->startTime(), QStringLiteral("10:00:00"));
    EXPECT_EQ(hourlet->endTime(), QStringLiteral("11:00:00"));

    // Both cover 10:30; the later one in the list wins.
    press(slotRow(21, 224));
    release(slotRow(21, 224));
    EXPECT_EQ(hourlet->sessionId(), second);

    // A deleted appointment is never hit again.
    EXPECT_EQ(hourlet->DeleteAppointment(second), 1);
    press(slotRow(22, 224));
    release(slotRow(22, 224));
    EXPECT_EQ(hourlet->sessionId(), -1);
    EXPECT_EQ(hourlet->subject(), QString());
}

TEST_F(HourletMouse, TheRightButtonSelectsNothingButItsReleaseStillResolves)
{
    SessionDatabase database;
    const qint32 id =
        database.addSession(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11), QStringLiteral("Session"));
    bindTo(database);
    press(slotRow(20, 224), Qt::RightButton);
    EXPECT_EQ(selectedInt(Hourlet::ad2_ApptStartCoord), 0);
    release(slotRow(20, 224), Qt::RightButton);
    EXPECT_EQ(hourlet->sessionId(), id);
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("MouseDown(2,0,400,%1)").arg(slotRow(20, 224)),
                           QStringLiteral("MouseUp(2,0,400,%1)").arg(slotRow(20, 0))}));
}

TEST_F(HourletMouse, ADoubleClickFollowsThePlatformOrderAndKeepsTheFirstSelection)
{
    SessionDatabase database;
    const qint32 id =
        database.addSession(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11), QStringLiteral("Session"));
    bindTo(database);
    qint32 seenByHost = 0;
    QObject::connect(hourlet.get(), &Hourlet::DblClick, hourlet.get(),
                     [&] { seenByHost = hourlet->GetSelectedAppt(Hourlet::ad0_ApptID).toInt(); });
    const int y = slotRow(20, 224);
    // The window system's order: press, release, then the second press as a double click, release.
    QTest::mouseClick(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, y));
    QTest::mouseDClick(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, y));
    QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, y));
    const QString down = QStringLiteral("MouseDown(1,0,400,%1)").arg(y);
    const QString up = QStringLiteral("MouseUp(1,0,400,%1)").arg(224 + y);
    EXPECT_EQ(events, (QStringList{down, up, QStringLiteral("Click"), QStringLiteral("DblClick"), up}));
    EXPECT_EQ(seenByHost, id);
}

TEST_F(HourletMouse, ASweepNeverReadsTheDatabase)
{
    SessionDatabase database;
    database.addSession(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11), QStringLiteral("One"));
    database.addSession(OleDate::fromDate(testDay()), timeOfDay(12), timeOfDay(13), QStringLiteral("Two"));
    bindTo(database);
    ASSERT_EQ(hourlet->itemCount(), 1);
    press(slotRow(20, 224));
    database.addSession(OleDate::fromDate(testDay()), timeOfDay(14), timeOfDay(15), QStringLiteral("Three"));
    for (int k = 21; k < 26; ++k) {
        moveTo(slotRow(k, 224));
        QCoreApplication::processEvents(); // the highlight's own refreshes reach the window
    }
    release(slotRow(25, 224));
    QCoreApplication::processEvents();
    EXPECT_EQ(hourlet->itemCount(), 1);
    hourlet->UpdateDisplay();
    EXPECT_EQ(hourlet->itemCount(), 2);
}

TEST_F(HourletMouse, KeysPassThroughWithThePlatformsCodes)
{
    QTest::keyClick(hourlet.get(), Qt::Key_A);
    QTest::keyClick(hourlet.get(), Qt::Key_F1);
    QTest::keyClick(hourlet.get(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(hourlet.get(), Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::keyClick(hourlet.get(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(events,
              (QStringList{
                  QStringLiteral("KeyDown(65,0)"),
                  QStringLiteral("KeyPress(97)"),
                  QStringLiteral("KeyUp(65,0)"),
                  QStringLiteral("KeyDown(112,0)"),
                  QStringLiteral("KeyUp(112,0)"),
                  QStringLiteral("KeyDown(17,2)"),
                  QStringLiteral("KeyDown(37,2)"),
                  QStringLiteral("KeyUp(37,2)"),
                  QStringLiteral("KeyUp(17,0)"),
                  QStringLiteral("KeyDown(16,1)"),
                  QStringLiteral("KeyDown(49,1)"),
                  QStringLiteral("KeyPress(33)"),
                  QStringLiteral("KeyUp(49,1)"),
                  QStringLiteral("KeyUp(16,0)"),
                  QStringLiteral("KeyDown(101,0)"),
                  QStringLiteral("KeyPress(53)"),
                  QStringLiteral("KeyUp(101,0)"),
              }));
}
