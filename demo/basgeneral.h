// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariant>

#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace Sessara {

/*!
    The program-wide part of Sessara: the entry routine, the state both
    windows share, the small value routines every window uses and the choice
    of the connection string.
*/
class basGeneral
{
public:
    basGeneral() = delete;

    /*! The connection string of every connection the demo opens, also handed to the views. */
    static QString strConnectionString;
    /*! The client chosen in the main window's client box; -1 for "No Client Selected". */
    static qint32 lngClientID;
    /*! The counsellor whose calendar the main window shows. */
    static qint32 lngCounsellerID;
    /*! The session the session dialog works on; 0 or less for a free slot. */
    static qint32 lngSessionID;
    /*! Whether the main window shows the week view rather than the day view. */
    static bool bolWeekView;

    /*! Makes a new main window. */
    using MainWindowFactory = std::function<QWidget *()>;

    /*! The application title, "Sessara": the title of message boxes that give none. */
    static QString applicationTitle();
    /*! Puts the program-wide state back to its start: empty texts, 0 and false. */
    static void resetState();

    /*!
        The entry routine: Start(), then the program runs until its last window
        closes. Returns the event loop's result.
    */
    static int Main(const MainWindowFactory &createMainWindow);
    /*!
        Sets the application title, creates the main window with
        \a createMainWindow (its initialisation chooses the connection string)
        and shows it modeless. Returns the window, which the caller owns.
    */
    static QWidget *Start(const MainWindowFactory &createMainWindow);

    /*! \a Value when its text is not empty, else \a Default: Null, Empty and "" give \a Default. */
    static QVariant ValueOrDefault(const QVariant &Value, const QVariant &Default);
    /*! The text of \a Value with every apostrophe doubled, to stand between apostrophes in SQL. */
    static QString QuoteForSql(const QVariant &Value);
    /*!
        The text of \a value as the demo writes values into texts: empty for
        Null and Empty, "True"/"False" for Booleans, the general date text for
        dates, the plain number for numbers.
    */
    static QString TextOf(const QVariant &value);
    /*! The whole number \a value holds; \a fallback when it holds none that fits 32 bits. */
    static qint32 Int32Of(const QVariant &value, qint32 fallback = 0);

    /*! The folder of the running program, with the platform's separators and no trailing one. */
    static QString ProgramFolder();
    /*!
        The connection string for a program in \a programFolder: the data-link
        file "MentaraData.udl" there when it can be read, else the Jet 4.0
        string naming "DIV97.mdb" there. Nothing is raised.
    */
    static QString ConnectionStringFor(const QString &programFolder);
    /*! Sets strConnectionString for the running program's folder. */
    static void DecideConnectionString();
};

} // namespace Sessara
