// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Renders a day view off screen and writes it as a PNG: dayview-shot <file.png>.
// Overlapping sessions side by side, the now line at 11:20 and a working day
// of 08:00 to 18:30, fed from an AppointmentListModel. The README's picture
// comes from it.
#include "appointmentlistmodel.h"
#include "hourlet.h"
#include "oledate.h"
#include "scheduler.h"
#include "virtualscheduler.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPixmap>

#include <cstdio>
#include <exception>

using namespace OlvarControls;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dayview-shot <file.png>\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    try {
        const QDate day(2026, 3, 11);
        Scheduler::setInstance(std::make_unique<VirtualScheduler>(OleDate::fromDateAndTime(day, QTime(11, 20))));
        Olvar::AppointmentListModel sessions;
        const auto book = [&](QTime start, QTime end, const char *subject, const char *room) {
            sessions.addAppointment(QDateTime(day, start), QDateTime(day, end), QString::fromLatin1(subject), 1,
                                    QString(), 1, QString::fromLatin1(room));
        };
        book(QTime(8, 30), QTime(9, 30), "Intake: new client", "Room 2");
        book(QTime(10, 0), QTime(12, 0), "Adult Counselling", "Room 1");
        book(QTime(10, 30), QTime(11, 30), "Family Session", "Room 3");
        book(QTime(11, 0), QTime(11, 30), "Phone review", "");
        book(QTime(11, 30), QTime(13, 0), "Couples Counselling", "Room 2");
        book(QTime(14, 0), QTime(15, 0), "Supervision", "Office");
        book(QTime(14, 0), QTime(14, 30), "Case notes", "");

        Hourlet view;
        view.InitProperties();
        view.resize(520, 600);
        view.setShowTimeScale(true);
        view.setWorkDayEnd(OleDate::fromTime(QTime(18, 30)));
        view.setWorkDayStart(OleDate::fromTime(QTime(8, 0)));
        view.setOverlapLayout(true);
        view.setShowNowLine(true);
        view.setAppItemBackColor(OleColor::fromOle(0xF4EDE3));
        view.setAppItemBorderColor(OleColor::fromOle(0x8C6A4B));
        view.setActiveDate(OleDate::fromDate(day));
        view.setResource(1);
        view.setModel(&sessions);
        view.show();
        QApplication::processEvents();
        view.setVScrollValue(224); // 07:00 at the top
        QApplication::processEvents();

        const QImage image = view.grab().toImage();
        if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "dayview-shot: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "dayview-shot: %s\n", error.what());
        return 1;
    }
    return 0;
}
