// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace Sessara {

/*! The tips Sessara shows one at a time at start, while "Show Tips at Startup" is on. */
class StartupTips
{
public:
    StartupTips() = delete;

    /*! The tips about using Sessara, in the order they are shown. */
    static QStringList all();
    /*! The tip to show at the start numbered \a start (0 first); the list begins again after its last tip. */
    static QString forStart(int start);
    /*! The settings key of the option and of the number of the next start. */
    static QString optionKey() { return QStringLiteral("Tips/ShowAtStartup"); }
    static QString nextKey() { return QStringLiteral("Tips/Next"); }
};

} // namespace Sessara
