// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// A host of a few lines, built against the installed package with
// QT_NO_KEYWORDS: the convenience header and the per-class headers, a control
// by type name, and Olvar::Test's scripted message boxes and recording sounds.
#include <OlvarControls.h>

#include <Olvar/AnalogClock>
#include <Olvar/Hourlet>
#include <Olvar/Test/RecordingSoundService>
#include <Olvar/Test/ScriptedMessageBoxes>

#include <QApplication>
#include <cstdio>
#include <memory>

using namespace OlvarControls;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ControlBase *control = ControlFactory::create(QStringLiteral("OlvarControls.PeriodicTimer"));
    if (!control)
        return 1;
    std::printf("%s\n", qPrintable(control->typeName()));
    delete control;

    // A day view bound to a database that is not there reports the failed delete in a message box.
    MsgBox::setService(std::make_unique<OlvarTest::ScriptedMessageBoxes>());
    Hourlet day;
    day.setConnectionString(QStringLiteral("Provider=NoSuchEngine;Data Source=nowhere.db"));
    day.DeleteAppointment(1);
    std::printf("message boxes: %d\n", OlvarTest::messageBoxes().count());

    // The clock's alarm sound lies beside the installed library.
    SoundService::setInstance(std::make_unique<OlvarTest::RecordingSoundService>());
    AnalogClock clock;
    clock.PlayWaveFile(AnalogClock::soundPath(QStringLiteral("Alarm.wav")), true);
    std::printf("sounds: %s\n", qPrintable(OlvarTest::sounds().fileNames().join(QLatin1Char(' '))));
    return 0;
}
