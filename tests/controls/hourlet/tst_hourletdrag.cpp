// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentdrag.h"
#include "datetext.h"
#include "hourlettesthelpers.h"
#include "numberconversion.h"
#include "scriptedmessageboxes.h"
#include "testenvironment.h"
#include "weekview.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

struct Change
{
    qint32 id;
    OleDate start;
    OleDate end;
};

/* A shown day view on testDay() at 07:00 with one session from 10:00 to 11:00 that may be dragged. */
class HourletDrag : public testing::Test
{
protected:
    void SetUp() override
    {
        id = database.addSession(OleDate::fromDate(testDay()), at(testDay(), 10), at(testDay(), 11),
                                 QStringLiteral("Session"));
        hourlet = shownHourlet();
        hourlet->setConnectionString(database.connectionString());
        hourlet->setResource(12);
        hourlet->setVScrollValue(224);
        hourlet->setAllowDragEdit(true);
        QObject::connect(hourlet.get(), &Hourlet::BeforeAppointmentChange, hourlet.get(),
                         [this](qint32 apptId, const OleDate &start, const OleDate &end, bool &cancel) {
                             changes.append({apptId, start, end});
                             cancel = cancelNext;
                         });
    }

    void drag(int fromY, int toY, QPoint releaseAt = QPoint())
    {
        QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, fromY));
        QTest::mouseMove(hourlet.get(), QPoint(400, (fromY + toY) / 2));
        QTest::mouseMove(hourlet.get(), QPoint(400, toY));
        QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier,
                            releaseAt.isNull() ? QPoint(400, toY) : releaseAt);
    }

    OleDate stored(const char *column) const
    {
        return NumberConversion::toDate(database.scalar(
            QStringLiteral("SELECT %1 FROM tblSession WHERE SessionID = %2").arg(QLatin1String(column)).arg(id)));
    }

    SessionDatabase database;
    qint32 id = 0;
    std::unique_ptr<Hourlet> hourlet;
    QList<Change> changes;
    bool cancelNext = false;
    const int body = 379 - 224 + 8; // inside the 10:00 slot of the box
    const int edge = 410 - 224; // the last row before the bottom border
};

} // namespace

TEST(AppointmentDrag, MovesInHalfHourStepsAndKeepsOneStepWhenTheEndIsDragged)
{
    const OleDate start = OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(10, 0));
    const OleDate end = OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(11, 0));
    const AppointmentDrag move(AppointmentDrag::Move, 5, start, end, 400);
    EXPECT_FALSE(move.hasMoved(407));
    EXPECT_TRUE(move.hasMoved(409));
    EXPECT_EQ(move.newStart(432), OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(11, 0)));
    EXPECT_EQ(move.newEnd(368, 1), OleDate::fromDateAndTime(QDate(2026, 3, 8), QTime(10, 0)));
    const AppointmentDrag resize(AppointmentDrag::Resize, 5, start, end, 400);
    EXPECT_EQ(resize.newStart(500), start);
    EXPECT_EQ(resize.newEnd(416), OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(11, 30)));
    EXPECT_EQ(resize.newEnd(0), OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(10, 30)));
    EXPECT_EQ(AppointmentDrag::kindAt(186, 155, 187), AppointmentDrag::Resize);
    EXPECT_EQ(AppointmentDrag::kindAt(183, 155, 187), AppointmentDrag::Move);
}

TEST_F(HourletDrag, DraggingTheBodyMovesTheSessionAfterAskingTheHost)
{
    drag(body, body + 32);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].id, id);
    EXPECT_EQ(changes[0].start, at(testDay(), 11));
    EXPECT_EQ(changes[0].end, at(testDay(), 12));
    EXPECT_EQ(stored("StartTime"), at(testDay(), 11));
    EXPECT_EQ(stored("EndTime"), at(testDay(), 12));
    EXPECT_EQ(messageBoxes().count(), 0);
    EXPECT_EQ(hourlet->sessionId(), id); // released over the moved box, which the repaint has read again
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 11)));
}

TEST_F(HourletDrag, DraggingTheBottomEdgeChangesTheEnd)
{
    drag(edge, edge + 16);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].start, at(testDay(), 10));
    EXPECT_EQ(stored("EndTime"), at(testDay(), 11, 30));
}

TEST_F(HourletDrag, ACancelAnEscapeOrALetGoOutsideChangesNothing)
{
    cancelNext = true;
    drag(body, body + 32);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(stored("StartTime"), at(testDay(), 10));

    drag(body, body + 32, QPoint(900, body + 32)); // outside the control
    EXPECT_EQ(changes.size(), 1);

    QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, body));
    QTest::mouseMove(hourlet.get(), QPoint(400, body + 48));
    QTest::keyClick(hourlet.get(), Qt::Key_Escape);
    QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, body + 48));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(stored("StartTime"), at(testDay(), 10));
    EXPECT_EQ(stored("EndTime"), at(testDay(), 11));

    hourlet->setAllowDragEdit(false); // the mouse only selects
    drag(body, body + 32);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(stored("StartTime"), at(testDay(), 10));
}

TEST(WeekViewDrag, AMoveCanCrossIntoAnotherDaysColumn)
{
    SessionDatabase database;
    const QDate wednesday(2026, 3, 11);
    const qint32 id = database.addSession(OleDate::fromDate(wednesday), at(wednesday, 10), at(wednesday, 11),
                                          QStringLiteral("Moves"));
    WeekView view;
    view.InitProperties();
    view.resize(1120, 400);
    view.setConnectionString(database.connectionString());
    view.setResource(12);
    view.setActiveDate(OleDate::fromDate(wednesday));
    view.setAllowDragEdit(true);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.column(0)->setVScrollValue(224);
    int asked = 0;
    QObject::connect(&view, &WeekView::BeforeAppointmentChange, &view,
                     [&asked](qint32, const OleDate &, const OleDate &, bool &) { ++asked; });

    Hourlet *wednesdayColumn = view.column(4);
    Hourlet *fridayColumn = view.column(2);
    const int y = 379 - 224 + 8;
    const QPoint press(wednesdayColumn->width() / 2, y);
    const QPoint overFriday = wednesdayColumn->mapFromGlobal(fridayColumn->mapToGlobal(QPoint(20, y + 16)));
    QTest::mousePress(wednesdayColumn, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(wednesdayColumn, overFriday);
    QTest::mouseRelease(wednesdayColumn, Qt::LeftButton, Qt::NoModifier, overFriday);
    EXPECT_EQ(asked, 1);
    const QDate friday = wednesday.addDays(2);
    EXPECT_EQ(NumberConversion::toDate(
                  database.scalar(QStringLiteral("SELECT StartTime FROM tblSession WHERE SessionID = %1").arg(id))),
              at(friday, 10, 30));
    EXPECT_EQ(NumberConversion::toDate(
                  database.scalar(QStringLiteral("SELECT SessionDate FROM tblSession WHERE SessionID = %1").arg(id))),
              OleDate::fromDate(friday));
    EXPECT_EQ(fridayColumn->itemCount(), 0);
    EXPECT_EQ(wednesdayColumn->itemCount(), 0);
}
