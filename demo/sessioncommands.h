// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QObject>
#include <QVariant>

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
class QDialog;
QT_END_NAMESPACE

namespace Sessara {

class DemoConnection;
class SessionControls;

/*!
    The session dialog's commands on the stored session
    basGeneral::lngSessionID: "Cancel Session" / "Uncancel" within the
    practice's minimum notice, "Delete" through the view shown, and the two
    "Now" buttons that stamp the actual start and end times.

    Cancelling or deleting a session of a series first asks whether only this
    session or this and all later sessions of the series are meant; each
    session cancelled so obeys the minimum notice on its own, and one summary
    says which were done and which refused.
*/
class SessionCommands : public QObject
{
    Q_OBJECT

public:
    /*!
        Serves the command buttons of \a ui on \a dialog, which a delete
        closes; \a shownView gives the view the main window shows (its week
        view while basGeneral::bolWeekView is true, else its day view).
    */
    SessionCommands(SessionControls &ui, QDialog &dialog, std::function<QObject *()> shownView,
                    QObject *parent = nullptr);

    /*! cmdCancel: cancels the session when allowed, or un-cancels it; the caption tells which. */
    void cancelOrUncancel();
    /*! cmdDelete: once the user agrees, deletes the session through the view and closes the dialog. */
    void deleteSession();
    /*! cmdNow(\a index): puts the time now into the actual start (0) or end (1) time, asking before replacing one. */
    void stampNow(int index);

private:
    /*! Which sessions a cancel or delete is meant for; NotInSeries when nothing was asked. */
    enum class Scope { NotInSeries, OnlyThis, ThisAndLater, Nothing };

    /*! The practice's minimum notice in hours as configured, read on \a cn; Empty when none is. */
    static QVariant minimumNotice(DemoConnection &cn);
    /*! The start of the session shown, as the dialog's fields give it. */
    std::optional<OlvarControls::OleDate> shownStart() const;
    /*! Asks which sessions of the shown session's series \a action is meant for. */
    Scope askScope(const QString &action, const QString &title) const;
    void cancel();
    void cancelThisAndLater();
    void uncancel();
    /*! Deletes \a sessionId through the view shown and takes it out of its series; whether it was deleted. */
    bool deleteThroughView(qint32 sessionId) const;
    void refreshDayView() const;
    void deleteThisAndLater();

    SessionControls &m_ui;
    QDialog &m_dialog;
    std::function<QObject *()> m_shownView;
};

} // namespace Sessara
