// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The road of one booking, end to end, on a fresh sample practice: the main
// window opens, a double-click on a free slot opens the session dialog for it,
// "Save" stores the session, and the view shows it in its slot.

#include "basgeneral.h"
#include "calendar.h"
#include "frmsession.h"
#include "gdisurface.h"
#include "hourlet.h"
#include "mainwindowtesthelpers.h"
#include "numberconversion.h"
#include "sessarafixture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmSession;
using namespace SessaraTest;

namespace {

const QDate saturday(2026, 3, 7); // the sample books weekdays only

/* What the session dialog showed when it opened. */
struct DialogSeen
{
    bool opened = false;
    QString caption, startTime, endTime, startDate, endDate, subject, defaultSubject;
};

class BookingRoad : public SessaraFixture
{
protected:
    void SetUp() override { window = openMainWindow(folder.path()); }

    /*
        Double-clicks \a point of \a view; once the session dialog is up it is
        read, given \a edit, saved and closed with "Ok".
    */
    DialogSeen doubleClickAndSave(QWidget *view, QPoint point, const std::function<void(frmSession &)> &edit = {})
    {
        DialogSeen seen;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<frmSession *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (edit)
                edit(*dialog);
            seen.opened = true;
            seen.caption = dialog->windowTitle();
            seen.startTime = dialog->cboStartTime()->currentText();
            seen.endTime = dialog->cboEndTime()->currentText();
            seen.startDate = dialog->calStartTime()->text().toString();
            seen.endDate = dialog->calEndTime()->text().toString();
            seen.subject = dialog->txtSubject()->text();
            seen.defaultSubject = dialog->BuildDefaultSubject();
            qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdSave")))->click();
            qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdOk")))->click();
        });
        doubleClick(view, point);
        // The dialog has closed again (a dialog left open would fail the caller's checks).
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return seen;
    }

    QString sessionField(int id, const char *field)
    {
        return basGeneral::TextOf(
            first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                  QString::fromLatin1(field)));
    }

    std::unique_ptr<Sessara::frmDemo> window;
};

} // namespace

TEST_F(BookingRoad, AFreeSlotBookedInTheDayViewIsStoredAndDrawnInItsSlot)
{
    Hourlet *day = window->ZOVudeZozo1();
    Q_EMIT window->mvwHourlet()->clicked(saturday);
    ASSERT_EQ(day->activeDate(), OleDate::fromDate(saturday));
    const int sessionsBefore = count(QStringLiteral("Select * from tblSession"));
    const int scroll = day->vScrollValue();

    const DialogSeen seen = doubleClickAndSave(day, QPoint(300, slotRow(20, scroll)));
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.caption, QStringLiteral("New Session"));
    EXPECT_EQ(seen.startTime, QStringLiteral("10:00 am"));
    EXPECT_EQ(seen.endTime, QStringLiteral("11:00 am"));
    EXPECT_EQ(seen.startDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(seen.endDate, QStringLiteral("07/03/2026"));
    // A free slot has no subject of its own: the dialog's default stays.
    EXPECT_FALSE(seen.defaultSubject.isEmpty());
    EXPECT_EQ(seen.subject, seen.defaultSubject);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);

    // The session row, its counsellor's link and the dialog's own columns (statement U).
    const int id = basGeneral::lngSessionID;
    ASSERT_GT(id, 0);
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession")), sessionsBefore + 1);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                    QStringLiteral("SessionDate"))
                  .value<OleDate>(),
              OleDate::fromDate(saturday));
    EXPECT_EQ(NumberConversion::toDate(
                  first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                        QStringLiteral("StartTime")))
                  .time(),
              QTime(10, 0));
    EXPECT_EQ(NumberConversion::toDate(
                  first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                        QStringLiteral("EndTime")))
                  .time(),
              QTime(11, 0));
    EXPECT_EQ(sessionField(id, "SessionDescription"), seen.defaultSubject);
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where CounsellerID=1 and SessionID=")
                    + QString::number(id)),
              1);
    EXPECT_EQ(sessionField(id, "Chargeable"), QStringLiteral("True"));
    EXPECT_EQ(sessionField(id, "ClientTypeID"), QStringLiteral("1")); // Adult, the first client type
    EXPECT_EQ(sessionField(id, "LocationID"), QStringLiteral("4")); // Group Room, first of the rooms by name
    EXPECT_EQ(sessionField(id, "BookedClientID"), QStringLiteral("0")); // no client chosen in the main window
    EXPECT_EQ(sessionField(id, "ClientNominatedLocation"), QString());

    // The day view holds the session and draws it over rows 379 to 410 of its content.
    day->UpdateDisplay();
    EXPECT_EQ(day->vScrollValue(), scroll);
    const int x = day->width() - 40;
    const GdiSurface &surface = day->drawingSurface();
    EXPECT_EQ(surface.GetPixel(x, 378 - scroll), day->availableColor());
    EXPECT_EQ(surface.GetPixel(x, 379 - scroll), day->appItemBorderColor());
    for (int row = 380; row <= 410; ++row)
        EXPECT_EQ(surface.GetPixel(x, row - scroll), day->appItemBackColor()) << "content row " << row;

    // A click on it now selects the stored session.
    doubleClickAndSave(day, QPoint(300, slotRow(21, scroll)));
    EXPECT_EQ(basGeneral::lngSessionID, id);
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession")), sessionsBefore + 1); // saved again, not added
}

TEST_F(BookingRoad, AFreeSlotBookedInTheWeekViewIsStoredAndDrawnInTheColumnOfItsDay)
{
    QWidget *week = window->WeekView1();
    if (!week)
        GTEST_SKIP() << "the library offers no week view";
    window->mvwHourlet()->setSelectedDate(saturday);
    window->tbToolBar()->findChild<QAction *>(QStringLiteral("WeekView"))->trigger();
    ASSERT_TRUE(basGeneral::bolWeekView);
    ASSERT_TRUE(week->isVisible());
    QCoreApplication::processEvents();

    // The seven day columns, Monday 2 to Sunday 8 March.
    Hourlet *saturdayColumn = nullptr;
    QList<OleDate> dates;
    for (Hourlet *column : week->findChildren<Hourlet *>()) {
        dates << column->activeDate();
        if (column->activeDate() == OleDate::fromDate(saturday))
            saturdayColumn = column;
    }
    ASSERT_EQ(dates.size(), 7);
    ASSERT_NE(saturdayColumn, nullptr);
    const int scroll = saturdayColumn->vScrollValue();

    const DialogSeen seen =
        doubleClickAndSave(saturdayColumn, QPoint(saturdayColumn->width() / 2, slotRow(20, scroll)));
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.caption, QStringLiteral("New Session"));
    EXPECT_EQ(seen.startTime, QStringLiteral("10:00 am"));
    EXPECT_EQ(seen.endTime, QStringLiteral("11:00 am"));
    EXPECT_EQ(seen.startDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(seen.subject, seen.defaultSubject);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);

    const int id = basGeneral::lngSessionID;
    ASSERT_GT(id, 0);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                    QStringLiteral("SessionDate"))
                  .value<OleDate>(),
              OleDate::fromDate(saturday));
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where CounsellerID=1 and SessionID=")
                    + QString::number(id)),
              1);
    EXPECT_EQ(sessionField(id, "Chargeable"), QStringLiteral("True"));

    // Saturday's column draws it in its slot: its bar runs down the left edge over rows 380 to 410
    // (the box itself is written over by the subject in a column this narrow); Sunday stays free.
    QMetaObject::invokeMethod(week, "UpdateDisplay");
    const auto drawn = [](Hourlet *column, int x, int row) {
        return column->drawingSurface().GetPixel(x, row - column->vScrollValue());
    };
    const int bar = 5;
    EXPECT_NE(drawn(saturdayColumn, bar, 378), saturdayColumn->appItemBarColor());
    for (int row = 380; row <= 410; ++row)
        EXPECT_EQ(drawn(saturdayColumn, bar, row), saturdayColumn->appItemBarColor()) << "content row " << row;
    EXPECT_EQ(drawn(saturdayColumn, saturdayColumn->width() - 1, 398), saturdayColumn->availableColor());
    for (Hourlet *column : week->findChildren<Hourlet *>()) {
        if (column->activeDate() == OleDate::fromDate(saturday.addDays(1))) {
            EXPECT_NE(drawn(column, bar, 398), column->appItemBarColor());
        }
    }
}

TEST_F(BookingRoad, AWeeklySeriesBookedInTheWeekViewIsStoredOnEachWeeksDate)
{
    QWidget *week = window->WeekView1();
    if (!week)
        GTEST_SKIP() << "the library offers no week view";
    window->mvwHourlet()->setSelectedDate(saturday);
    window->tbToolBar()->findChild<QAction *>(QStringLiteral("WeekView"))->trigger();
    QCoreApplication::processEvents();
    Hourlet *saturdayColumn = nullptr;
    for (Hourlet *column : week->findChildren<Hourlet *>()) {
        if (column->activeDate() == OleDate::fromDate(saturday))
            saturdayColumn = column;
    }
    ASSERT_NE(saturdayColumn, nullptr);
    const int before = count(QStringLiteral("Select * from tblSession"));

    // The question and the summary get their first buttons: Yes, and OK.
    const DialogSeen seen = doubleClickAndSave(
        saturdayColumn, QPoint(saturdayColumn->width() / 2, slotRow(20, saturdayColumn->vScrollValue())),
        [](frmSession &dialog) {
            qobject_cast<QComboBox *>(dialog.control(QStringLiteral("cboRepeat")))->setCurrentIndex(1);
            qobject_cast<QSpinBox *>(dialog.control(QStringLiteral("spnRepeatCount")))->setValue(3);
        });
    ASSERT_TRUE(seen.opened);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_TRUE(OlvarTest::messageBoxes().last().prompt.startsWith(
        QStringLiteral("Booked (3):\r\nSat 07/03/2026\r\nSat 14/03/2026\r\nSat 21/03/2026\r\n")));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession")), before + 3);
    for (int weekNumber = 0; weekNumber < 3; ++weekNumber) {
        EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionDate = %1 and StartTime = %2")
                            .arg(OleDate::fromDate(saturday.addDays(7 * weekNumber)).value())
                            .arg(OleDate::fromTime(QTime(10, 0)).value(), 0, 'g', 17)),
                  1)
            << weekNumber;
    }
    // The column shows its own day again.
    EXPECT_EQ(saturdayColumn->activeDate(), OleDate::fromDate(saturday));
}
