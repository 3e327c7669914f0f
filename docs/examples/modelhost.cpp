// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// A host without the practice database: a day view fed from an in-memory
// appointment model. The README shows this file; the build compiles it.
#include <OlvarControls.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    Olvar::AppointmentListModel sessions;
    const QDate today = QDate::currentDate();
    sessions.addAppointment(QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(11, 0)),
                            QStringLiteral("Adult Counselling"), 1, QString(), 1, QStringLiteral("Room 1"));
    sessions.addAppointment(QDateTime(today, QTime(10, 30)), QDateTime(today, QTime(12, 0)),
                            QStringLiteral("Family Session"), 1);

    OlvarControls::Hourlet day;
    day.InitProperties();
    day.setShowTimeScale(true);
    day.setOverlapLayout(true); // the two sessions side by side
    day.setShowNowLine(true);
    day.setResource(1);
    day.setModel(&sessions); // instead of ConnectionString
    day.resize(480, 600);
    day.show();
    day.setVScrollValue(272); // 08:30 at the top, once shown (showing it scrolls to the top)

    // SetAppointment() and DeleteAppointment() now write to `sessions`.
    return app.exec();
}
