// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "gdisurface.h"
#include "msgbox.h"
#include "recordingview.h"
#include "sessioncancellation.h"
#include "sessiondialogfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::SessionCancellation;

namespace {

using Verdict = SessionCancellation::Verdict;

OleDate at(QDate day, int hour, int minute = 0)
{
    return OleDate::fromDateAndTime(day, QTime(hour, minute));
}

const QString deletePrompt = QStringLiteral("You have selected the option to delete this session. Do you want to "
                                            "delete this session from the system.");

} // namespace

TEST(CancellationRule, HoursAreCountedAsHourBoundariesCrossed)
{
    const QDate day(2026, 3, 4);
    const QVariant hours(QStringLiteral("24"));
    // 23 hours and a minute elapse, but 24 hour boundaries are crossed.
    EXPECT_EQ(SessionCancellation::check(hours, at(day.addDays(1), 9), at(day, 9, 59)), Verdict::Allowed);
    EXPECT_EQ(SessionCancellation::check(hours, at(day.addDays(1), 9, 59), at(day, 10)), Verdict::NoticePeriod);
    EXPECT_EQ(SessionCancellation::check(QVariant(1), at(day, 10), at(day, 9, 59)), Verdict::Allowed);
    EXPECT_EQ(SessionCancellation::check(QVariant(1), at(day, 10, 59), at(day, 10)), Verdict::NoticePeriod);
    EXPECT_EQ(SessionCancellation::check(QVariant(0), at(day, 10, 59), at(day, 10)), Verdict::Allowed);
    EXPECT_EQ(SessionCancellation::check(QStringLiteral(" 1.5 "), at(day, 11, 59), at(day, 10, 30)),
              Verdict::NoticePeriod);
    // A session starting now has started.
    EXPECT_EQ(SessionCancellation::check(QVariant(0), at(day, 10), at(day, 10)), Verdict::Expired);
    EXPECT_EQ(SessionCancellation::check(hours, std::nullopt, at(day, 10)), Verdict::Unreadable);
    // No value, or one that is no number, is no configuration, whatever the date.
    for (const QVariant &value : {QVariant(), QVariant(QString()), QVariant(QStringLiteral("a day"))}) {
        EXPECT_EQ(SessionCancellation::check(value, at(day.addDays(9), 10), at(day, 10)), Verdict::NoConfiguration);
        EXPECT_EQ(SessionCancellation::check(value, at(day.addDays(-9), 10), at(day, 10)), Verdict::NoConfiguration);
    }
    EXPECT_EQ(SessionCancellation::statement(12, true),
              QStringLiteral("Update tblSession set Cancelled = true where SessionID = 12"));
    EXPECT_EQ(SessionCancellation::statement(12, false),
              QStringLiteral("Update tblSession set Cancelled = false where SessionID = 12"));
}

class SessionCommandsTest : public SessionDialogFixture
{
protected:
    /*! A stored session of counsellor 1 at \a start for an hour, opened in the dialog. */
    int openAt(OleDate start)
    {
        const QTime begin = start.time();
        const int id = addSession(start.date(), begin, begin.addSecs(3600), 1, 1);
        open(id, begin, begin.addSecs(3600), start.date());
        return id;
    }
    QPushButton *button(const char *name) { return qobject_cast<QPushButton *>(dialog->control(QLatin1String(name))); }
    QLineEdit *edit(const char *name) { return qobject_cast<QLineEdit *>(dialog->control(QLatin1String(name))); }
    QPushButton *now(int index)
    {
        for (QPushButton *candidate : dialog->findChildren<QPushButton *>(QStringLiteral("cmdNow")))
            if (candidate->property("Index").toInt() == index)
                return candidate;
        return nullptr;
    }
    bool cancelled(int id)
    {
        return first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                     QStringLiteral("Cancelled"))
            .toBool();
    }
    MessageBoxRequest pressCancel()
    {
        OlvarTest::messageBoxes().clear();
        button("cmdCancel")->click();
        EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
        return OlvarTest::messageBoxes().last();
    }
    static OleDate testNow() { return OlvarTest::defaultTestNow(); } // Wednesday 4 March 2026, 09:00
};

TEST_F(SessionCommandsTest, ASessionIsCancelledOutsideTheNoticePeriodAndUncancelledEvenWhenPast)
{
    const int id = openAt(testNow().addMSecs(30 * 3600 * 1000LL));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));
    EXPECT_EQ(pressCancel(),
              (MessageBoxRequest{QStringLiteral("Session ") + QString::number(id) + QStringLiteral(" is cancelled."),
                                 MsgBox::OkOnly, QStringLiteral("Sessara")}));
    EXPECT_TRUE(cancelled(id));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Uncancel"));

    // Two days on the session is past; un-cancelling knows no notice period.
    OlvarTest::virtualScheduler().setNow(testNow().addDays(2));
    EXPECT_EQ(pressCancel().prompt,
              QStringLiteral("Session ") + QString::number(id) + QStringLiteral(" is un-cancelled."));
    EXPECT_FALSE(cancelled(id));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));
    // Cancelling it again is refused now.
    EXPECT_EQ(pressCancel().prompt,
              QStringLiteral("Can not cancel as this session is now in the past. It is expired."));
    EXPECT_FALSE(cancelled(id));
}

TEST_F(SessionCommandsTest, ASessionWithinTheNoticePeriodOrPastIsRefusedAndLeftAlone)
{
    const int soon = openAt(testNow().addMSecs(10 * 3600 * 1000LL));
    EXPECT_EQ(pressCancel(),
              (MessageBoxRequest{QStringLiteral("Can not cancel this session, as it is in the 24 Hour non "
                                                "cancellation period or has expired."),
                                 MsgBox::OkOnly, QStringLiteral("Sessara")}));
    EXPECT_FALSE(cancelled(soon));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));

    // An hour ago: expired, before the configured notice is looked at.
    run(QStringLiteral("Update tblConfig set Value='0' where Description='MinimumCancellationTime'"));
    const int past = openAt(testNow().addMSecs(-3600 * 1000LL));
    EXPECT_EQ(pressCancel(),
              (MessageBoxRequest{QStringLiteral("Can not cancel as this session is now in the past. It is expired."),
                                 MsgBox::OkOnly, QStringLiteral("Sessara")}));
    EXPECT_FALSE(cancelled(past));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));
}

TEST_F(SessionCommandsTest, WithoutAConfiguredNoticeNothingIsCancelled)
{
    run(QStringLiteral("Delete from tblConfig where Description='MinimumCancellationTime'"));
    const MessageBoxRequest refusal{
        QStringLiteral("Can not do cancellations until Minimum Cancellation Time is entered "
                       "into Config table"),
        MsgBox::Critical, QStringLiteral("Sessara")};
    for (qint64 hours : {30, -1, 24 * 30}) {
        const int id = openAt(testNow().addMSecs(hours * 3600 * 1000));
        EXPECT_EQ(pressCancel(), refusal) << hours;
        EXPECT_FALSE(cancelled(id));
    }
    // A value that is no number is no configuration either.
    run(QStringLiteral("Insert into tblConfig (Description, Value) values ('MinimumCancellationTime', 'one day')"));
    const int id = openAt(testNow().addDays(5));
    EXPECT_EQ(pressCancel(), refusal);
    EXPECT_FALSE(cancelled(id));
}

TEST_F(SessionCommandsTest, AnUnreadableStartOrAFailedUpdateIsReportedNotCancelled)
{
    const int id = openAt(testNow().addDays(3));
    dialog->cboStartTime()->setCurrentText(QStringLiteral("25:99"));
    EXPECT_EQ(pressCancel().prompt,
              QStringLiteral("You have typed a date or time in a format that is not understood "
                             "by this software. Unable to process inputted data. Please use "
                             "correct format."));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));

    dialog->cboStartTime()->setCurrentText(QStringLiteral("9:00 am"));
    run(QStringLiteral("ALTER TABLE tblSession RENAME TO tblSessionAway"));
    EXPECT_EQ(pressCancel(),
              (MessageBoxRequest{QStringLiteral("Session ") + QString::number(id)
                                     + QStringLiteral(" could not be cancelled."),
                                 MsgBox::Exclamation, QStringLiteral("Sessara")}));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("Cancel Session"));
}

TEST_F(SessionCommandsTest, CancellingAndDeletingWaitForTheFirstSave)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    EXPECT_FALSE(button("cmdCancel")->isEnabled());
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    auto *tabs = qobject_cast<QTabWidget *>(dialog->control(QStringLiteral("tabSession")));
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_FALSE(tabs->isTabEnabled(2));
    pressSave();
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_TRUE(button("cmdCancel")->isEnabled());
    EXPECT_TRUE(button("cmdDelete")->isEnabled());
    EXPECT_TRUE(tabs->isTabEnabled(1));
    EXPECT_TRUE(tabs->isTabEnabled(2));
}

TEST_F(SessionCommandsTest, DeleteAsksFirstThenRemovesTheSessionThroughTheDayViewAndCloses)
{
    const OleColor boxColour = OleColor::fromRgb(1, 2, 3);
    const auto boxPixels = [&] {
        int pixels = 0;
        for (int y = 0; y < dayView->height(); ++y)
            for (int x = 0; x < dayView->width(); ++x)
                pixels += dayView->drawingSurface().GetPixel(x, y) == boxColour;
        return pixels;
    };
    const int id = openAt(at(bookingDay(), 10));
    dayView->resize(300, 300);
    dayView->setAppItemBackColor(boxColour);
    dayView->setVScrollValue(224); // 10:00 to 11:00 in sight
    dayView->UpdateDisplay();
    ASSERT_GT(boxPixels(), 0);
    QSignalSpy closed(dialog.get(), &QDialog::accepted);

    OlvarTest::messageBoxes().answerNext(MsgBox::No);
    button("cmdDelete")->click();
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{deletePrompt, MsgBox::YesNo, QStringLiteral("Delete Session")}));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id)), 1);
    EXPECT_GT(boxPixels(), 0);
    EXPECT_EQ(closed.count(), 0);

    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    button("cmdDelete")->click();
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id)), 0);
    EXPECT_EQ(boxPixels(), 0);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(SessionCommandsTest, TheWeekViewDeletesOnItsOwnAndAFailedDeleteKeepsTheDialogOpen)
{
    RecordingView week;
    RecordingColumn column;
    week.column = &column;
    const int id = openAt(at(bookingDay(), 10));
    dialog->setViews(dayView.get(), &week);
    basGeneral::bolWeekView = true;
    QSignalSpy closed(dialog.get(), &QDialog::accepted);

    week.deleteResult = 0; // the view could not delete, and has said why
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    button("cmdDelete")->click();
    EXPECT_EQ(week.deleted, QList<qint32>{id});
    EXPECT_EQ(column.updates, 0); // the week view refreshes its own column
    EXPECT_EQ(closed.count(), 0);

    week.deleteResult = 1;
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    button("cmdDelete")->click();
    EXPECT_EQ(week.deleted, QList<qint32>({id, id}));
    EXPECT_EQ(closed.count(), 1);
    // The day view was not asked: the session is still stored.
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id)), 1);
}

TEST_F(SessionCommandsTest, NowStampsTheActualTimesAndAsksBeforeReplacingOne)
{
    openAt(at(bookingDay(), 10));
    OlvarTest::virtualScheduler().setNow(at(bookingDay(), 14, 5).addMSecs(9000));
    now(0)->click();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(edit("txtActualStartTime")->text(), QStringLiteral("14:05:09"));

    OlvarTest::virtualScheduler().setNow(at(bookingDay(), 15, 0));
    OlvarTest::messageBoxes().answerNext(MsgBox::No);
    now(0)->click();
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{
                  QStringLiteral("You are about to change the start time. Do you want to change the start time."),
                  MsgBox::YesNo, QStringLiteral("Change Actual Start Time")}));
    EXPECT_EQ(edit("txtActualStartTime")->text(), QStringLiteral("14:05:09"));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    now(0)->click();
    EXPECT_EQ(edit("txtActualStartTime")->text(), QStringLiteral("15:00:00"));

    OlvarTest::messageBoxes().clear();
    now(1)->click();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(edit("txtActualEndTime")->text(), QStringLiteral("15:00:00"));
    OlvarTest::virtualScheduler().setNow(at(bookingDay(), 23, 59));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    now(1)->click();
    EXPECT_EQ(OlvarTest::messageBoxes().last().title, QStringLiteral("Change Actual End Time"));
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("You are about to change the end time. Do you want to change the end time."));
    EXPECT_EQ(edit("txtActualEndTime")->text(), QStringLiteral("23:59:00"));

    // The next save stores both.
    pressSave();
    EXPECT_EQ(
        first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(basGeneral::lngSessionID),
              QStringLiteral("ActualEndTime")),
        QVariant(QStringLiteral("23:59:00")));
}
