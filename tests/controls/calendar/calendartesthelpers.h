// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calendar.h"
#include "calendarsharedstate.h"
#include "controlfactory.h"
#include "frmcalendar.h"
#include "testenvironment.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace CalendarTest {

/* Every test starts with the program's shared popup block as a fresh program has it. */
class CalendarTestBase : public testing::Test
{
protected:
    void SetUp() override { OlvarControls::CalendarSharedState::instance() = OlvarControls::CalendarSharedState(); }
    void TearDown() override { SetUp(); }
};

/* The date \a day of \a month of \a year. */
inline OlvarControls::OleDate dateOf(int year, int month, int day)
{
    return OlvarControls::OleDate::fromDate(QDate(year, month, day));
}

/* The child \a name of \a parent, failing the test when there is none. */
template <typename Widget>
Widget *child(const QWidget *parent, const QString &name)
{
    Widget *found = parent->findChild<Widget *>(name);
    EXPECT_NE(found, nullptr) << "no child " << name.toStdString();
    return found;
}

/* The day cell of \a popup that shows \a day. */
inline QLabel *dayCell(const OlvarControls::frmCalendar &popup, int day)
{
    for (int index = 0; index < 42; ++index) {
        QLabel *cell = popup.dateLabel(index);
        if (cell->isVisibleTo(&popup) && cell->text().trimmed().toInt() == day)
            return cell;
    }
    ADD_FAILURE() << "no cell shows day " << day;
    return nullptr;
}

/* A date entry on a shown, active host window. */
class DateEntryHost
{
public:
    DateEntryHost()
    {
        host.resize(400, 300);
        control = qobject_cast<OlvarControls::Calendar *>(
            OlvarControls::ControlFactory::create(QStringLiteral("OlvarControls.Calendar"), &host));
        control->move(20, 20);
        other = new QLineEdit(&host);
        other->setObjectName(QStringLiteral("other"));
        other->move(20, 100);
        host.show();
        QApplication::setActiveWindow(&host);
    }

    QLineEdit *txtDate() const { return child<QLineEdit>(control, QStringLiteral("TxtDate")); }
    QToolButton *dropButton() const { return child<QToolButton>(control, QStringLiteral("btnDropCalendar")); }

    /* Types \a keys into the text box, the host window being the active one again. */
    void type(const QString &keys)
    {
        QApplication::setActiveWindow(&host);
        txtDate()->setFocus();
        QTest::keyClicks(txtDate(), keys);
    }

    /*
        Clicks the drop button; \a interaction runs on the popup once it is open,
        inside its modal loop, and has to close it.
    */
    void openPopup(const std::function<void(OlvarControls::frmCalendar &)> &interaction) const
    {
        bool ran = false;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                OlvarControls::frmCalendar *popup = OlvarControls::frmCalendar::current();
                ASSERT_NE(popup, nullptr) << "the popup did not open";
                ran = true;
                interaction(*popup);
                if (OlvarControls::frmCalendar *open = OlvarControls::frmCalendar::current()) {
                    ADD_FAILURE() << "the popup is still open";
                    open->reject();
                }
            },
            Qt::QueuedConnection);
        QTest::mouseClick(dropButton(), Qt::LeftButton);
        if (!ran) // nothing opened: run the check now, while its captures live
            QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
        EXPECT_TRUE(ran);
    }

    QWidget host;
    OlvarControls::Calendar *control = nullptr;
    QLineEdit *other = nullptr;
};

} // namespace CalendarTest
