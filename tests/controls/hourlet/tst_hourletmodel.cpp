// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlistmodel.h"
#include "gdisurface.h"
#include "hourlettesthelpers.h"
#include "messagelog.h"
#include "scriptedmessageboxes.h"
#include "surfacetesthelpers.h"
#include "testenvironment.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using namespace OlvarTest::Colours;
using Olvar::AppointmentListModel;

namespace {

constexpr OleColor Green = OleColor::fromOle(0x00FF00);

QDateTime when(int dayOffset, int hour, int minute = 0)
{
    return QDateTime(testDay().addDays(dayOffset), QTime(hour, minute));
}

/* A model that shows its rows but takes no change. */
class ReadOnlyModel : public AppointmentListModel
{
public:
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return AppointmentListModel::flags(index) & ~Qt::ItemIsEditable;
    }
    bool insertRows(int, int, const QModelIndex &) override { return false; }
    bool removeRows(int, int, const QModelIndex &) override { return false; }
};

/* A shown day view on testDay() at 07:00 for resource 12, fed by an AppointmentListModel. */
class HourletModel : public testing::Test
{
protected:
    void SetUp() override
    {
        hourlet = shownHourlet();
        hourlet->setAppItemBackColor(Yellow);
        hourlet->setResource(12);
        hourlet->setModel(&model);
        hourlet->setVScrollValue(224);
    }

    OleColor pixel(int x, int y) const { return hourlet->drawingSurface().GetPixel(x, y); }
    /* Whether a box is drawn in the slot that starts at \a hour : \a minute. */
    bool boxAt(int hour, int minute = 0) const
    {
        return pixel(400, 59 + 32 * hour + (minute / 30) * 16 - 224 + 8) == Yellow;
    }

    AppointmentListModel model;
    std::unique_ptr<Hourlet> hourlet;
};

} // namespace

TEST(AppointmentListModel, KeepsEveryRoleAndNumbersNewAppointments)
{
    AppointmentListModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(model.addAppointment(when(0, 9), when(0, 10), QStringLiteral("Intake"), 3), 1);
    EXPECT_EQ(model.addAppointment(when(0, 11), when(0, 12), QStringLiteral("Review")), 2);
    EXPECT_EQ(inserted.count(), 2);
    const QModelIndex first = model.index(0);
    EXPECT_EQ(first.data(), QVariant(QStringLiteral("Intake")));
    EXPECT_EQ(first.data(Olvar::StartRole).toDateTime(), when(0, 9));
    EXPECT_EQ(first.data(Olvar::ResourceRole).toInt(), 3);
    EXPECT_FALSE(model.index(1).data(Olvar::ResourceRole).isValid());
    EXPECT_TRUE(model.flags(first) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(first, QVariant::fromValue(OleColor(Green)), Olvar::BackColorRole));
    EXPECT_FALSE(model.setData(first, 1, Qt::UserRole + 100));
    EXPECT_EQ(model.roleNames().value(Olvar::StartRole), QByteArray("start"));
    EXPECT_EQ(model.roleNames().value(Olvar::BorderColorRole), QByteArray("borderColor"));
    EXPECT_TRUE(model.insertRows(2, 2));
    EXPECT_FALSE(model.removeRows(3, 2));
    EXPECT_TRUE(model.removeRows(0, 4));
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(HourletModel, ShowsTheActiveDatesRowsOfTheResourceAndFollowsTheModel)
{
    model.addAppointment(when(0, 10), when(0, 11), QStringLiteral("Mine"), 12);
    model.addAppointment(when(0, 13), when(0, 14), QStringLiteral("Anyone's")); // no resource: every view
    model.addAppointment(when(0, 15), when(0, 16), QStringLiteral("Another counsellor's"), 7);
    model.addAppointment(when(1, 10, 30), when(1, 11, 30), QStringLiteral("Tomorrow"), 12);
    EXPECT_TRUE(boxAt(10));
    EXPECT_TRUE(boxAt(13));
    EXPECT_FALSE(boxAt(15));
    EXPECT_FALSE(boxAt(10, 30) && !boxAt(10)); // tomorrow's is not drawn today
    EXPECT_EQ(hourlet->itemCount(), 1);

    // Each change is followed by a repaint.
    model.setData(model.index(0), when(0, 8), Olvar::StartRole);
    model.setData(model.index(0), when(0, 9), Olvar::EndRole);
    EXPECT_FALSE(boxAt(10));
    EXPECT_TRUE(boxAt(8, 30));
    model.removeRows(0, 1);
    EXPECT_FALSE(boxAt(8, 30));
    model.setData(model.index(0), QVariant::fromValue(OleColor(Green)), Olvar::BackColorRole);
    EXPECT_EQ(pixel(400, 59 + 32 * 13 - 224 + 8), Green);

    // Releasing over a box selects the row's appointment.
    const int y = 59 + 32 * 13 - 224 + 8;
    QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, y));
    QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, y));
    EXPECT_EQ(hourlet->sessionId(), 2);
    EXPECT_EQ(hourlet->subject(), QStringLiteral("Anyone's"));
}

TEST_F(HourletModel, SetAppointmentAndDeleteAppointmentWriteToTheModel)
{
    const qint32 added =
        hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11), QStringLiteral("Added"),
                                QStringLiteral("Notes"), 4, QStringLiteral("Room 1"));
    EXPECT_EQ(added, 1);
    EXPECT_EQ(messageBoxes().count(), 0);
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex row = model.index(0);
    EXPECT_EQ(row.data(Olvar::StartRole).toDateTime(), when(0, 10)); // a time of day lands on the active date
    EXPECT_EQ(row.data(Olvar::ResourceRole).toInt(), 12);
    EXPECT_EQ(row.data(Olvar::LocationRole).toString(), QStringLiteral("Room 1"));
    EXPECT_EQ(row.data(Olvar::TypeRole).toInt(), 4);

    hourlet->UpdateDisplay();
    EXPECT_TRUE(boxAt(10));
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), at(testDay(), 12), at(testDay(), 13),
                                      QStringLiteral("Moved"), QString(), 4, QString(), added),
              added);
    EXPECT_EQ(row.data(Olvar::SubjectRole).toString(), QStringLiteral("Moved"));
    EXPECT_EQ(row.data(Olvar::EndRole).toDateTime(), when(0, 13));
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(12), timeOfDay(13),
                                      QStringLiteral("Unknown"), QString(), 4, QString(), 99),
              0);

    hourlet->UpdateDisplay();
    EXPECT_TRUE(boxAt(12));
    EXPECT_EQ(hourlet->DeleteAppointment(added), 1);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(boxAt(12));
    EXPECT_EQ(messageBoxes().count(), 0);
}

TEST_F(HourletModel, AModelThatTakesNoChangeIsReportedLikeAFailingDatabase)
{
    ReadOnlyModel fixed;
    fixed.addAppointment(when(0, 10), when(0, 11), QStringLiteral("Fixed"), 12);
    hourlet->setModel(&fixed);
    EXPECT_TRUE(boxAt(10));
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(14), timeOfDay(15), QStringLiteral("New"),
                                      QString(), 1, QString()),
              0);
    ASSERT_EQ(messageBoxes().count(), 1);
    EXPECT_TRUE(messageBoxes().last().prompt.startsWith(QStringLiteral("438\r\n")))
        << messageBoxes().last().prompt.toStdString();
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(14), timeOfDay(15),
                                      QStringLiteral("Changed"), QString(), 1, QString(), 1),
              0);
    EXPECT_EQ(hourlet->DeleteAppointment(1), 0);
    EXPECT_EQ(messageBoxes().count(), 3);
    EXPECT_EQ(fixed.rowCount(), 1);
    EXPECT_EQ(fixed.index(0).data().toString(), QStringLiteral("Fixed"));
    hourlet->setModel(nullptr);
}

TEST_F(HourletModel, UnsettingTheModelGoesBackToTheDatabase)
{
    SessionDatabase database;
    database.addSession(OleDate::fromDate(testDay()), at(testDay(), 15), at(testDay(), 16), QStringLiteral("Stored"));
    model.addAppointment(when(0, 10), when(0, 11), QStringLiteral("Modelled"), 12);
    hourlet->setConnectionString(database.connectionString());
    EXPECT_TRUE(boxAt(10));
    EXPECT_FALSE(boxAt(15));
    hourlet->setModel(nullptr);
    EXPECT_EQ(hourlet->model(), nullptr);
    EXPECT_FALSE(boxAt(10));
    EXPECT_TRUE(boxAt(15));

    // A model that goes away leaves the database behind too.
    auto shortLived = std::make_unique<AppointmentListModel>();
    shortLived->addAppointment(when(0, 12), when(0, 13), QStringLiteral("Brief"), 12);
    hourlet->setModel(shortLived.get());
    EXPECT_TRUE(boxAt(12));
    shortLived.reset();
    EXPECT_EQ(hourlet->model(), nullptr);
    EXPECT_FALSE(boxAt(12));
    EXPECT_TRUE(boxAt(15));
}

TEST_F(HourletModel, ARepaintGoesOnPastAFailingLoadAndLogsWhatItSkipped)
{
    model.addAppointment(when(0, 10), when(0, 11), QStringLiteral("Mine"), 12);
    MessageLog skipped("olvar.skipped", QtDebugMsg);
    model.setData(model.index(0), QStringLiteral("no colour"), Olvar::BackColorRole);
    ASSERT_FALSE(skipped.messages.isEmpty());
    EXPECT_TRUE(skipped.messages.first().contains(QStringLiteral("loading the appointments skipped")))
        << skipped.messages.first().toStdString();
    EXPECT_TRUE(skipped.messages.first().contains(QStringLiteral("Type mismatch")));

    // The steps after the load still run: the header takes a new colour.
    skipped.messages.clear();
    hourlet->setTimeScaleBackColor(Green);
    EXPECT_EQ(skipped.messages.size(), 1);
    EXPECT_EQ(pixel(60, 2), Green);
}
