// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "calendar.h"
#include "msgbox.h"
#include "sessiondialogfixture.h"
#include "sessionseries.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::SessionSeries;
using Repeat = SessionSeries::Repeat;

TEST(SessionSeriesDates, WeeklyAndFortnightlyDatesByCountOrUntilADate)
{
    const QDate start(2026, 3, 7);
    EXPECT_EQ(SessionSeries::occurrences(start, Repeat::Weekly, 3),
              (QList<QDate>{start, QDate(2026, 3, 14), QDate(2026, 3, 21)}));
    // Across the end of a month and of a year.
    EXPECT_EQ(SessionSeries::occurrences(QDate(2026, 12, 24), Repeat::EveryTwoWeeks, 3),
              (QList<QDate>{QDate(2026, 12, 24), QDate(2027, 1, 7), QDate(2027, 1, 21)}));
    EXPECT_EQ(SessionSeries::occurrences(start, Repeat::None, 5), QList<QDate>{start});

    // Until a date: that date counts when a session falls on it.
    EXPECT_EQ(SessionSeries::countUntil(start, Repeat::Weekly, QDate(2026, 5, 9)), 10);
    EXPECT_EQ(SessionSeries::countUntil(start, Repeat::Weekly, QDate(2026, 5, 8)), 9);
    EXPECT_EQ(SessionSeries::countUntil(start, Repeat::EveryTwoWeeks, QDate(2026, 3, 20)), 1);
    EXPECT_EQ(SessionSeries::countUntil(start, Repeat::EveryTwoWeeks, QDate(2026, 3, 21)), 2);
    EXPECT_EQ(SessionSeries::countUntil(start, Repeat::Weekly, QDate(2026, 3, 1)), 1);

    EXPECT_TRUE(SessionSeries::countProblem(1).contains(QStringLiteral("at least 2")));
    EXPECT_TRUE(SessionSeries::countProblem(2).isEmpty());
    EXPECT_TRUE(SessionSeries::countProblem(52).isEmpty());
    EXPECT_TRUE(SessionSeries::countProblem(53).contains(QStringLiteral("at most 52")));
}

TEST(SessionSeriesTexts, PositionQuestionAndSummaryListEveryDateWithItsReason)
{
    EXPECT_EQ(SessionSeries::positionText(5, 9), QStringLiteral("Session 5 of 9"));
    EXPECT_EQ(SessionSeries::positionText(0, 0), QString());

    const QList<SessionSeries::Outcome> outcomes{
        {QDate(2026, 3, 7), QString()},
        {QDate(2026, 3, 14), SessionSeries::reason(SessionSeries::Refusal::CounsellorBooked)},
        {QDate(2026, 3, 21), QString()},
    };
    EXPECT_EQ(SessionSeries::bookingQuestion(outcomes),
              QStringLiteral("Book the 2 free dates?\r\n\r\n"
                             "To be booked (2):\r\nSat 07/03/2026\r\nSat 21/03/2026\r\n\r\n"
                             "Refused (1):\r\nSat 14/03/2026: the counsellor has another session then"));
    EXPECT_EQ(SessionSeries::summary(QStringLiteral("Cancelled"), {{QDate(2026, 3, 7), QString()}}),
              QStringLiteral("Cancelled (1):\r\nSat 07/03/2026\r\n\r\nRefused: none"));
    EXPECT_EQ(SessionSeries::reason(SessionSeries::Refusal::None), QString());
    const QString question = SessionSeries::scopeQuestion(QStringLiteral("Delete"));
    EXPECT_TRUE(
        question.startsWith(QStringLiteral("Delete only this session, or this and all later sessions of the series?")));
    EXPECT_TRUE(question.contains(QStringLiteral("Yes: only this session.")));
    EXPECT_TRUE(question.contains(QStringLiteral("No: this and all later sessions.")));
    EXPECT_TRUE(question.contains(QStringLiteral("Cancel: nothing.")));
}

class SessionSeriesDialog : public SessionDialogFixture
{
protected:
    template <typename Widget>
    Widget *widget(const char *name)
    {
        return qobject_cast<Widget *>(dialog->control(QLatin1String(name)));
    }
    /*! Asks the open dialog for a weekly series of \a count dates. */
    void repeatWeekly(int count)
    {
        widget<QComboBox>("cboRepeat")->setCurrentIndex(int(Repeat::Weekly));
        widget<QRadioButton>("optRepeatCount")->setChecked(true);
        widget<QSpinBox>("spnRepeatCount")->setValue(count);
    }
    QString seriesLine() { return widget<QLabel>("lblSeries")->text(); }
    /*! The stored sessions of counsellor 1 at \a start on bookingDay() and the eleven weeks after, by date. */
    QList<int> bookedFrom(QTime start)
    {
        QList<int> ids;
        for (int week = 0; week < 12; ++week) {
            const QVariant id = first(QStringLiteral("Select tblSession.SessionID from tblSession inner join "
                                                     "tblCounsellerSessionLink on tblSession.SessionID = "
                                                     "tblCounsellerSessionLink.SessionID where CounsellerID = 1 and "
                                                     "SessionDate = %1 and StartTime = %2")
                                          .arg(OleDate::fromDate(bookingDay().addDays(7 * week)).value())
                                          .arg(OleDate::fromTime(start).value(), 0, 'g', 17),
                                      QStringLiteral("SessionID"));
            if (id.isValid())
                ids.append(id.toInt());
        }
        return ids;
    }
    /*! A series of counsellor 1's sessions at \a start for an hour on \a days, linked as the dialog links them. */
    QList<int> addSeries(const QList<QDate> &days, QTime start)
    {
        QList<int> ids;
        for (const QDate day : days) {
            ids.append(addSession(day, start, start.addSecs(3600), 1, 1));
            run(QStringLiteral("Insert into tblSessionSeries (SessionID, SeriesID, Position) values (%1, %2, %3)")
                    .arg(ids.last())
                    .arg(ids.first())
                    .arg(ids.size()));
        }
        return ids;
    }
    bool cancelled(int id)
    {
        return first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                     QStringLiteral("Cancelled"))
            .toBool();
    }
    bool stored(int id)
    {
        return count(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id)) == 1;
    }
    /*! Opens the stored session \a id on \a day at \a start. */
    void openStored(int id, QDate day, QTime start) { open(id, start, start.addSecs(3600), day); }
    /*! Presses \a button, answering \a answer to the first box it shows. */
    void press(const char *button, int answer)
    {
        OlvarTest::messageBoxes().clear();
        OlvarTest::messageBoxes().answerNext(answer);
        widget<QPushButton>(button)->click();
    }
};

TEST_F(SessionSeriesDialog, ATenWeekSeriesBooksNineFreeWeeksOnTheirOwnDatesAndRefusesTheTakenOne)
{
    const QDate taken = bookingDay().addDays(28);
    addSession(taken, QTime(10, 30), QTime(11, 30), 1, 3);
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboLocation", QStringLiteral("Room 2"));
    choose("cboSessionType", QStringLiteral("Counselling"));
    repeatWeekly(10);
    OlvarTest::messageBoxes().clear();
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    pressSave();

    const QString refused = QStringLiteral("Refused (1):\r\nSat 04/04/2026: the counsellor has another session then");
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    const MessageBoxRequest question = OlvarTest::messageBoxes().requests().at(0);
    EXPECT_TRUE(question.prompt.startsWith(
        QStringLiteral("Book the 9 free dates?\r\n\r\nTo be booked (9):\r\nSat 07/03/2026\r\n")));
    EXPECT_TRUE(question.prompt.endsWith(refused));
    EXPECT_EQ(question.buttons, MsgBox::YesNo | MsgBox::Question);
    const QString summary = OlvarTest::messageBoxes().last().prompt;
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Booked (9):\r\nSat 07/03/2026\r\nSat 14/03/2026\r\n")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Sat 28/03/2026\r\nSat 11/04/2026\r\n")));
    EXPECT_TRUE(summary.endsWith(refused));

    // Every week on its own date, at the same times, with the same counsellor, room, type, category and client.
    ASSERT_EQ(sessionCount(), before + 9);
    const QList<int> ids = bookedFrom(QTime(10, 0));
    ASSERT_EQ(ids.size(), 9);
    for (const int id : ids) {
        const QString where = QStringLiteral(" where SessionID=") + QString::number(id);
        EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink") + where
                        + QStringLiteral(" and CounsellerID=1")),
                  1);
        EXPECT_EQ(first(QStringLiteral("Select * from tblSession") + where, QStringLiteral("EndTime")),
                  QVariant::fromValue(OleDate::fromTime(QTime(11, 0))));
        for (const char *column : {"LocationID", "SessionTypeID", "ClientTypeID", "BookedClientID", "Chargeable"}) {
            EXPECT_EQ(
                basGeneral::TextOf(first(QStringLiteral("Select * from tblSession") + where, QLatin1String(column))),
                basGeneral::TextOf(
                    first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(ids.first()),
                          QLatin1String(column))))
                << column;
        }
        EXPECT_EQ(first(QStringLiteral("Select * from tblSessionSeries") + where, QStringLiteral("SeriesID")).toInt(),
                  ids.first());
    }
    // The view is back on the day it showed; the dialog goes on with the first session.
    EXPECT_EQ(dayView->activeDate(), OleDate::fromDate(bookingDay()));
    EXPECT_EQ(basGeneral::lngSessionID, ids.first());
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 1 of 9"));
    EXPECT_FALSE(widget<QComboBox>("cboRepeat")->isEnabled());

    // The fifth session booked is the sixth week, after the refused one.
    openStored(ids.at(4), bookingDay().addDays(35), QTime(10, 0));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 5 of 9"));
    EXPECT_FALSE(widget<QComboBox>("cboRepeat")->isEnabled());
    openStored(ids.at(8), bookingDay().addDays(63), QTime(10, 0));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 9 of 9"));
}

TEST_F(SessionSeriesDialog, NoAtTheQuestionOrAFaultyFormBooksNothing)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    repeatWeekly(4);
    OlvarTest::messageBoxes().clear();
    OlvarTest::messageBoxes().answerNext(MsgBox::No);
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_TRUE(OlvarTest::messageBoxes().last().prompt.startsWith(QStringLiteral("Book the 4 free dates?")));
    EXPECT_EQ(sessionCount(), before);
    EXPECT_EQ(count(QStringLiteral("Select * from tblSessionSeries")), 0);
    EXPECT_LE(basGeneral::lngSessionID, 0);
    EXPECT_TRUE(widget<QComboBox>("cboRepeat")->isEnabled());

    // The form's own checks come before the question and before anything is booked.
    dialog->cboEndTime()->setCurrentText(QStringLiteral("9:00 am"));
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("A Session can not have a Start Time lesser than its End Time."));

    // A repeat until a date that leaves one date only is no series.
    dialog->cboEndTime()->setCurrentText(QStringLiteral("11:00 am"));
    widget<QRadioButton>("optRepeatUntil")->setChecked(true);
    widget<QDateEdit>("dtpRepeatUntil")->setDate(bookingDay().addDays(6));
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_TRUE(OlvarTest::messageBoxes().last().prompt.contains(QStringLiteral("at least 2 dates")));
    EXPECT_EQ(sessionCount(), before);
}

TEST_F(SessionSeriesDialog, WhenTheFirstDateIsRefusedTheDialogGoesOnWithTheFirstSessionBooked)
{
    addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, 3);
    open(-1, QTime(10, 0), QTime(11, 0));
    repeatWeekly(2);
    OlvarTest::messageBoxes().clear();
    pressSave();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Booked (1):\r\nSat 14/03/2026\r\n\r\n"
                             "Refused (1):\r\nSat 07/03/2026: the counsellor has another session then"));
    const QList<int> ids = bookedFrom(QTime(10, 0));
    ASSERT_EQ(ids.size(), 2); // the one there before, and the one booked
    EXPECT_EQ(basGeneral::lngSessionID, ids.at(1));
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("14/03/2026"));
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("14/03/2026"));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 1 of 1"));

    // Saving again changes that session where it is.
    dialog->txtSubject()->setText(QStringLiteral("Second week"));
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(bookedFrom(QTime(10, 0)), ids);
}

TEST_F(SessionSeriesDialog, EverySessionCancelledWithTheLaterOnesObeysTheNoticeOnItsOwn)
{
    // Now is Wednesday 4 March 2026, 09:00; the notice is 24 hours. The first session is within it.
    const QDate thursday(2026, 3, 5);
    const QList<int> ids = addSeries(SessionSeries::occurrences(thursday, Repeat::Weekly, 4), QTime(8, 0));
    openStored(ids.first(), thursday, QTime(8, 0));

    // Cancel at the question does nothing.
    press("cmdCancel", MsgBox::Cancel);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, SessionSeries::scopeQuestion(QStringLiteral("Cancel")));
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::YesNoCancel | MsgBox::Question);

    press("cmdCancel", MsgBox::No);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Cancelled (3):\r\nThu 12/03/2026\r\nThu 19/03/2026\r\nThu 26/03/2026\r\n\r\n"
                             "Refused (1):\r\nThu 05/03/2026: Can not cancel this session, as it is in the 24 Hour "
                             "non cancellation period or has expired."));
    EXPECT_FALSE(cancelled(ids.at(0)));
    EXPECT_TRUE(cancelled(ids.at(1)));
    EXPECT_TRUE(cancelled(ids.at(2)));
    EXPECT_TRUE(cancelled(ids.at(3)));
    EXPECT_EQ(widget<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel Session"));

    // Only this session: the usual cancelling, the later ones left as they are.
    run(QStringLiteral("Update tblSession set Cancelled = 0"));
    openStored(ids.at(2), thursday.addDays(14), QTime(8, 0));
    press("cmdCancel", MsgBox::Yes);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Session ") + QString::number(ids.at(2)) + QStringLiteral(" is cancelled."));
    EXPECT_EQ(widget<QPushButton>("cmdCancel")->text(), QStringLiteral("Uncancel"));
    EXPECT_FALSE(cancelled(ids.at(1)));
    EXPECT_TRUE(cancelled(ids.at(2)));
    EXPECT_FALSE(cancelled(ids.at(3)));

    // Without a configured notice none is cancelled, and the usual message says why once.
    run(QStringLiteral("Delete from tblConfig where Description='MinimumCancellationTime'"));
    openStored(ids.at(1), thursday.addDays(7), QTime(8, 0));
    press("cmdCancel", MsgBox::No);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Can not do cancellations until Minimum Cancellation Time is entered into Config table"));
    EXPECT_FALSE(cancelled(ids.at(1)));
    EXPECT_FALSE(cancelled(ids.at(3)));
}

TEST_F(SessionSeriesDialog, DeletingOnlyThisOrThisAndTheLaterSessions)
{
    const QList<int> ids = addSeries(SessionSeries::occurrences(bookingDay(), Repeat::Weekly, 4), QTime(10, 0));
    openStored(ids.at(1), bookingDay().addDays(7), QTime(10, 0));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 2 of 4"));

    press("cmdDelete", MsgBox::Cancel);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, SessionSeries::scopeQuestion(QStringLiteral("Delete")));
    EXPECT_TRUE(stored(ids.at(1)));

    // Only this one: no second question, and the series closes up.
    QSignalSpy closed(dialog.get(), &QDialog::accepted);
    press("cmdDelete", MsgBox::Yes);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(stored(ids.at(1)));
    EXPECT_TRUE(stored(ids.at(2)));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSessionSeries")), 3);
    openStored(ids.at(2), bookingDay().addDays(14), QTime(10, 0));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 2 of 3"));

    // This and the later ones: one summary.
    QSignalSpy closedAgain(dialog.get(), &QDialog::accepted);
    press("cmdDelete", MsgBox::No);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Deleted (2):\r\nSat 21/03/2026\r\nSat 28/03/2026\r\n\r\nRefused: none"));
    EXPECT_EQ(closedAgain.count(), 1);
    EXPECT_TRUE(stored(ids.at(0)));
    EXPECT_FALSE(stored(ids.at(2)));
    EXPECT_FALSE(stored(ids.at(3)));
    openStored(ids.at(0), bookingDay(), QTime(10, 0));
    EXPECT_EQ(seriesLine(), QStringLiteral("Session 1 of 1"));
}
