// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "demosettings.h"
#include "frmdemo.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Sessara::DemoSettings::useUserSettings();
    return Sessara::basGeneral::Main([] {
        auto *window = new Sessara::frmDemo(Sessara::basGeneral::ProgramFolder());
        // Once the window is up: the tip of this start.
        QMetaObject::invokeMethod(window, &Sessara::frmDemo::showStartupTip, Qt::QueuedConnection);
        return window;
    });
}
