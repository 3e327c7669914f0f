// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Renders a week view with a practice's sample sessions off screen and writes
// it as a PNG: weekview-shot <file.png>. The README's picture comes from it.
#include "oledate.h"
#include "practicedatabase.h"
#include "weekview.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

using namespace OlvarControls;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: weekview-shot <file.png>\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    try {
        const QDate day(2026, 3, 11);
        QTemporaryDir folder;
        Sessara::PracticeDatabase database(QDir(folder.path()).filePath(QStringLiteral("practice.db")));
        database.create();
        database.fillSample(day);

        WeekView view;
        view.InitProperties();
        view.resize(1120, 560);
        view.setConnectionString(database.connectionString());
        view.setResource(1);
        view.setActiveDate(OleDate::fromDate(day));
        view.show();
        QApplication::processEvents();
        view.column(0)->setVScrollValue(272); // 08:30 at the top
        QApplication::processEvents();

        const QImage image = view.grab().toImage();
        if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "weekview-shot: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "weekview-shot: %s\n", error.what());
        return 1;
    }
    return 0;
}
