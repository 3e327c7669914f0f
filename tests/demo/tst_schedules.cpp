// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Printed schedules: page geometry, and the resource and location schedules
// rendered to PDF and read back with pdftotext.

#include "basgeneral.h"
#include "calendarexportdialog.h"
#include "dateformatter.h"
#include "frmdemo.h"
#include "hourlet.h"
#include "oledate.h"
#include "schedulepage.h"
#include "schedules.h"
#include "scriptedmessageboxes.h"
#include "sessarafixture.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace OlvarControls;
using namespace Sessara;

namespace {

constexpr int Dpi = 1200;

/*! The text of \a pdf as pdftotext reads it, blanks and line breaks made single blanks. */
QString pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        ADD_FAILURE() << "pdftotext (poppler-utils) is not installed";
        return QString();
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    // Compatibility forms turn ligatures such as "fi" back into letters.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

TEST(SchedulePage, WorkingDayFillsTheBodyAndColumnsTileTheWidth)
{
    // A4 portrait at 1200 dpi, no margins.
    const QRectF page(0, 0, 9921, 14032);
    const SchedulePage one(page, Dpi, 1);
    EXPECT_EQ(SchedulePage::scrollValue(), 224); // 07:00's line right under the header band
    EXPECT_EQ(SchedulePage::dayHeight(), 59 + 12 * 32 + 1);
    EXPECT_DOUBLE_EQ(one.headerRect().height(), 0.75 * Dpi);
    // The day's last line, 19:00, lands on the page's bottom row.
    const QPointF bottom = one.columnTransform(0).map(QPointF(0, SchedulePage::dayHeight()));
    EXPECT_NEAR(bottom.y(), page.bottom(), 1.0);
    EXPECT_LE(one.columnTransform(0).map(QPointF(one.columnWidth(0), 0)).x(), page.right() + 0.5);

    // A week on landscape: seven columns, the first wider by the time scale, side by side within the page.
    const QRectF landscape(0, 0, 14032, 9921);
    const SchedulePage week(landscape, Dpi, 7);
    EXPECT_EQ(week.columnWidth(0), week.columnWidth(1) + SchedulePage::TimeScaleAllowance);
    for (int i = 1; i < 7; ++i)
        EXPECT_EQ(week.columnLeft(i), week.columnLeft(i - 1) + week.columnWidth(i - 1));
    const double right = week.columnTransform(6).map(QPointF(week.columnWidth(6), 0)).x();
    EXPECT_LE(right, landscape.right() + 0.5);
    EXPECT_GT(right, landscape.right() - 7 * week.scale());
}

TEST(SchedulePage, ManyColumnsShrinkTheDayRatherThanOverflow)
{
    const QRectF page(0, 0, 9921, 14032);
    const SchedulePage crowded(page, Dpi, 40);
    EXPECT_GE(crowded.columnWidth(1), SchedulePage::MinimumColumnWidth);
    const double right = crowded.columnTransform(39).map(QPointF(crowded.columnWidth(39), 0)).x();
    EXPECT_LE(right, page.right() + 0.5);
    EXPECT_LT(crowded.columnTransform(0).map(QPointF(0, SchedulePage::dayHeight())).y(), page.bottom());
}

class ScheduleTest : public SessaraFixture
{
protected:
    /*! A day outside the sample fortnight: Wednesday 10 June 2026. */
    static QDate day() { return QDate(2026, 6, 10); }

    int session(QDate date, QTime start, QTime end, int counsellor, int location, const QString &subject,
                bool cancelled = false)
    {
        const int id = addSession(date, start, end, counsellor, location, cancelled);
        run(QStringLiteral("Update tblSession set SessionDescription='%1' where SessionID=%2").arg(subject).arg(id));
        return id;
    }

    QString counsellorName(int counsellor)
    {
        const QString select = QStringLiteral("Select * from tblCounseller where CounsellerID=%1").arg(counsellor);
        return first(select, QStringLiteral("FirstName")).toString() + QLatin1Char(' ')
            + first(select, QStringLiteral("LastName")).toString();
    }

    QString printed(const SchedulePrinter &schedule)
    {
        const QString pdf = folder.filePath(QStringLiteral("schedule.pdf"));
        QPdfWriter writer(pdf);
        writer.setResolution(Dpi);
        EXPECT_TRUE(schedule.print(writer));
        return pdfText(pdf);
    }

    ScheduleSource source{basGeneral::strConnectionString};
};

TEST_F(ScheduleTest, ResourceDayShowsNameDateAndEverySessionOfTheWorkingDay)
{
    session(day(), QTime(7, 0), QTime(8, 0), 1, 1, QStringLiteral("Intake Harrow"));
    session(day(), QTime(10, 0), QTime(11, 30), 1, 2, QStringLiteral("Review Pemberton"));
    session(day(), QTime(18, 0), QTime(19, 0), 1, 1, QStringLiteral("Family Okonkwo"));
    session(day(), QTime(13, 0), QTime(14, 0), 1, 1, QStringLiteral("Dropped Quill"), true);
    session(day(), QTime(13, 0), QTime(14, 0), 2, 1, QStringLiteral("Other Counsellor"));

    const QString text = printed(Schedules::resourceSchedule(source, 1, OleDate::fromDate(day()), false));
    EXPECT_TRUE(text.contains(counsellorName(1))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Wednesday June 10, 2026"))) << text.toStdString();
    for (const char *subject : {"Intake Harrow", "Review Pemberton", "Family Okonkwo"})
        EXPECT_TRUE(text.contains(QLatin1String(subject))) << subject << " in " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Dropped Quill")));
    EXPECT_FALSE(text.contains(QStringLiteral("Other Counsellor")));
}

TEST_F(ScheduleTest, ResourceWeekRunsMondayToSundayOnOneLandscapePage)
{
    const QDate monday = day().addDays(-2);
    session(monday, QTime(9, 0), QTime(10, 0), 1, 1, QStringLiteral("Monday Alder"));
    session(day(), QTime(11, 0), QTime(12, 0), 1, 1, QStringLiteral("Wednesday Birch"));
    session(monday.addDays(6), QTime(15, 0), QTime(16, 0), 1, 1, QStringLiteral("Sunday Cedar"));
    session(monday.addDays(7), QTime(9, 0), QTime(10, 0), 1, 1, QStringLiteral("NextWeek Damson"));

    const SchedulePrinter week = Schedules::resourceSchedule(source, 1, OleDate::fromDate(day()), true);
    EXPECT_EQ(week.orientation(), QPageLayout::Landscape);
    const QString text = printed(week);
    EXPECT_TRUE(text.contains(counsellorName(1))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Monday June 08, 2026 to Sunday June 14, 2026"))) << text.toStdString();
    for (const char *subject : {"Monday Alder", "Wednesday Birch", "Sunday Cedar"})
        EXPECT_TRUE(text.contains(QLatin1String(subject))) << subject << " in " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Damson")));
    EXPECT_TRUE(text.contains(QStringLiteral("Mon, 08 Jun")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sun, 14 Jun")));
}

TEST_F(ScheduleTest, LocationDayHasAColumnPerCounsellorInTheRoom)
{
    session(day(), QTime(9, 0), QTime(10, 0), 1, 3, QStringLiteral("Room Elm"));
    session(day(), QTime(9, 0), QTime(10, 0), 2, 3, QStringLiteral("Room Fir"));
    session(day(), QTime(14, 0), QTime(15, 0), 1, 3, QStringLiteral("Room Gum"));
    session(day(), QTime(11, 0), QTime(12, 0), 3, 4, QStringLiteral("Elsewhere Hazel"));
    session(day().addDays(1), QTime(9, 0), QTime(10, 0), 3, 3, QStringLiteral("Tomorrow Ivy"));
    session(day(), QTime(16, 0), QTime(17, 0), 3, 3, QStringLiteral("Cancelled Juniper"), true);

    const QList<ScheduleColumn> columns = source.locationDay(3, OleDate::fromDate(day()));
    ASSERT_EQ(columns.size(), 2);
    QStringList titles{columns.at(0).title, columns.at(1).title};
    EXPECT_TRUE(titles.contains(counsellorName(1)));
    EXPECT_TRUE(titles.contains(counsellorName(2)));

    const QString room =
        first(QStringLiteral("Select * from tblLocation where LocationID=3"), QStringLiteral("Description")).toString();
    const QString text = printed(Schedules::locationSchedule(source, 3, room, OleDate::fromDate(day())));
    EXPECT_TRUE(text.contains(room)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Wednesday June 10, 2026"))) << text.toStdString();
    EXPECT_TRUE(text.contains(counsellorName(1))) << text.toStdString();
    EXPECT_TRUE(text.contains(counsellorName(2))) << text.toStdString();
    for (const char *subject : {"Room Elm", "Room Fir", "Room Gum"})
        EXPECT_TRUE(text.contains(QLatin1String(subject))) << subject << " in " << text.toStdString();
    for (const char *subject : {"Hazel", "Ivy", "Juniper"})
        EXPECT_FALSE(text.contains(QLatin1String(subject))) << subject;
}

TEST_F(ScheduleTest, AnEmptyRoomDayStillPrintsItsHeader)
{
    const QString text =
        printed(Schedules::locationSchedule(source, 3, QStringLiteral("Quiet Room"), OleDate::fromDate(day())));
    EXPECT_TRUE(text.contains(QStringLiteral("Location Schedule: Quiet Room"))) << text.toStdString();
}

class ScheduleWindowTest : public SessaraFixture
{
protected:
    /*! Triggers the toolbar button \a key and answers each modal window it opens with \a answer, in turn. */
    void trigger(const char *key, const QList<std::function<void(QWidget *)>> &answers)
    {
        frmDemo window(folder.path());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto pending = std::make_shared<QList<std::function<void(QWidget *)>>>(answers);
        auto answer = std::make_shared<std::function<void()>>();
        *answer = [pending, answer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || pending->isEmpty()) {
                if (!pending->isEmpty())
                    QTimer::singleShot(0, *answer);
                return;
            }
            const auto next = pending->takeFirst();
            next(modal);
            if (!pending->isEmpty())
                QTimer::singleShot(0, *answer);
        };
        QTimer::singleShot(0, *answer);
        window.tbToolBar()->findChild<QAction *>(QString::fromLatin1(key))->trigger();
        EXPECT_TRUE(pending->isEmpty()) << "a window that was expected did not open";
        *answer = nullptr;
    }
};

TEST_F(ScheduleWindowTest, ResourceScheduleOpensThePrintPreviewOfTheShownCounsellor)
{
    QString title;
    trigger("PreviewSchedule", {[&](QWidget *modal) {
                EXPECT_NE(qobject_cast<QPrintPreviewDialog *>(modal), nullptr);
                title = modal->windowTitle();
                static_cast<QDialog *>(modal)->reject();
            }});
    EXPECT_EQ(title, QStringLiteral("Resource Schedule: Aroha Ngata"));
}

TEST_F(ScheduleWindowTest, LocationScheduleAsksForTheRoomFirst)
{
    QStringList rooms;
    QString title;
    trigger("PreviewLocationSchedule",
            {[&](QWidget *modal) {
                 auto *chooser = qobject_cast<QInputDialog *>(modal);
                 ASSERT_NE(chooser, nullptr);
                 rooms = chooser->comboBoxItems();
                 chooser->setTextValue(QStringLiteral("Room 2"));
                 chooser->accept();
             },
             [&](QWidget *modal) {
                 title = modal->windowTitle();
                 static_cast<QDialog *>(modal)->reject();
             }});
    EXPECT_EQ(rooms,
              (QStringList{QStringLiteral("Group Room"), QStringLiteral("Room 1"), QStringLiteral("Room 2"),
                           QStringLiteral("Room 3")}));
    EXPECT_EQ(title, QStringLiteral("Location Schedule: Room 2"));
}

TEST_F(ScheduleWindowTest, CancellingTheRoomChooserPrintsNothing)
{
    trigger("PreviewLocationSchedule", {[&](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); }});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ScheduleWindowTest, FileMenuOffersTheCalendarExportBeforeExit)
{
    frmDemo window(folder.path());
    auto *file = window.menuBar()->findChild<QMenu *>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    QStringList captions;
    for (QAction *action : file->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Export Calendar..."), QStringLiteral("Exit")}));
}

TEST_F(ScheduleWindowTest, WithoutRoomsTheLocationScheduleSaysSoInsteadOfAnEmptyChooser)
{
    run(QStringLiteral("Delete from tblLocation"));
    OlvarTest::messageBoxes().clear();
    trigger("PreviewLocationSchedule", {});
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_TRUE(OlvarTest::messageBoxes().last().prompt.contains(QStringLiteral("no rooms")));
}

TEST_F(ScheduleTest, ASessionWithoutTimesDoesNotStopTheRoomsPage)
{
    const int broken = session(day(), QTime(9, 0), QTime(10, 0), 1, 3, QStringLiteral("No Times"));
    run(QStringLiteral("Update tblSession set StartTime=NULL, EndTime=NULL where SessionID=%1").arg(broken));
    session(day(), QTime(11, 0), QTime(12, 0), 1, 3, QStringLiteral("Still Printed"));
    const QString text =
        printed(Schedules::locationSchedule(source, 3, QStringLiteral("Room 3"), OleDate::fromDate(day())));
    EXPECT_TRUE(text.contains(QStringLiteral("Still Printed"))) << text.toStdString();
    EXPECT_TRUE(text.contains(counsellorName(1))) << text.toStdString();
}
