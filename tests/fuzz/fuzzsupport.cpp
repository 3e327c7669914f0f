// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace OlvarFuzz {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    static int argc = 1;
    static char name[] = "olvar-fuzz";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives for the whole run
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

QString textOf(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

void check(bool holds, const char *what, const QString &input)
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\ninput: %s\n", what, input.toUtf8().constData());
    std::abort();
}

} // namespace OlvarFuzz
