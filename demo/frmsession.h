// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sessionseries.h"
#include "sessiontime.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
QT_END_NAMESPACE

namespace OlvarControls {
class Calendar;
}

namespace OlvarControls::DataAccess {
class BookingUnit;
}

namespace Sessara {

class DemoConnection;
class SessionView;

/*!
    The session dialog: one counselling session booked or edited, shown
    modally by the main window for every double-click in its day or week
    view.

    The main window hands in the clicked date (SetSelectedDate()) and the
    views to store through (setViews()), then fills subject, notes, times and
    dates; the first touch of one of those controls loads the dialog: the
    lists, and for a stored session (basGeneral::lngSessionID above 0) its
    row. "Save" checks the times and the counsellor's and the room's other
    bookings and stores the session through the shown view (Enter presses
    it); "Ok", Escape and closing ask first when there are edits not saved.
    Attendees, cancelling, deleting and end notes belong to a stored session
    and are unavailable until a new one is first saved.

    Every child carries its name as its objectName ("txtSubject",
    "cboLocation", "tabSession" ...).
*/
class frmSession : public QDialog
{
    Q_OBJECT

public:
    explicit frmSession(QWidget *parent = nullptr);
    ~frmSession() override;

    /*! Keeps \a selectedDate, the text of the clicked date, for calStartTime; called before any control is touched. */
    void SetSelectedDate(const QString &selectedDate);
    /*! The main window's day view and week view: the targets of saving while basGeneral::bolWeekView is false or true. */
    void setViews(QObject *dayView, QObject *weekView);

    /*! Loads the dialog unless it is loaded: the lists and, for a stored session, its row. */
    void ensureLoaded();

    /*! The subject box; touching it loads the dialog. */
    QLineEdit *txtSubject();
    /*! The notes box; touching it loads the dialog. */
    QLineEdit *txtAdditionalNotes();
    /*! The start time box ("9:30 am"); touching it loads the dialog. */
    QComboBox *cboStartTime();
    /*! The end time box; touching it loads the dialog. */
    QComboBox *cboEndTime();
    /*! The start date entry ("dd/mm/yyyy"); touching it loads the dialog. */
    OlvarControls::Calendar *calStartTime();
    /*! The end date entry; touching it loads the dialog. */
    OlvarControls::Calendar *calEndTime();
    /*!
        Shows the day/month/year texts \a startDate and \a endDate ("07/03/2026")
        in calStartTime and calEndTime as those dates whatever the locale (a
        text handed to a date entry's Text is read in the locale's order); a
        text that is no such date is handed on as it is. Loads the dialog.
    */
    void setDateTexts(const QString &startDate, const QString &endDate);
    /*!
        Whether the fields hold edits made since the dialog was shown or last
        saved; never before it was first shown.
    */
    bool hasUnsavedEdits() const;
    /*! Whether a session was stored, cancelled, un-cancelled or deleted here: the shown view needs reading again. */
    bool changedSession() const;
    /*!
        Closes with \a result; with unsaved edits it asks first "Save changes to
        this session?": Yes saves (and stays open when the save fails), No
        closes, Cancel stays. A deleted session closes without asking.
    */
    void done(int result) override;

    /*! The child control named \a name, after loading; nullptr when there is none. */
    QWidget *control(const QString &name);

    /*! The subject from client type, session type, location and the booked client's name. */
    QString BuildDefaultSubject() const;
    /*! Adds the session types to cboSessionType. */
    void BuildCboSessionType();
    /*! Adds the "(None)" row and the client types to cboClientType; chooses row 1 when there is one. */
    void BuildCboClientType();
    /*! Adds the "Client Nominated Location" row and the rooms by name to cboLocation. */
    void BuildCboLocation();

    /*!
        Whether the session ends before it starts; shows why. An unreadable
        date or time shows the format message and counts as no wrong time.
    */
    bool IncorrectSessionTime();

    /*! "Save": refuses an invoiced session, else saves through the shown view. */
    void save();
    /*! Checks and stores the session through \a target, a day view or a week view. */
    void SaveSession(QObject *target);

    // Field reactions, as the controls raise them.
    /*! The booked client's identifier changed: shows that client's name. */
    void bookedClientChanged();
    /*! Leaving the client type or session type box: the subject follows them. */
    void clientTypeLeft();
    /*! Leaving the session type box; the same rule as clientTypeLeft(). */
    void sessionTypeLeft();
    /*! Another location was chosen: the nominated-location box is open only for row 0. */
    void locationChanged();
    /*! Leaving the location box: the default subject. */
    void locationLeft();
    /*! The start time changed: an end before the start moves to an hour after it. */
    void startTimeChanged();
    /*! Leaving a time box: the time check, for its message. */
    void timeLeft();
    /*! Leaving the start date: an empty one becomes today, and the end date follows the start date. */
    void startDateLeft();
    /*! Leaving the end date: an empty one becomes today. */
    void endDateLeft();
    /*! Another repeat, or its count or until date chosen: the repeat's fields open as they apply. */
    void repeatChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void load();
    void loadStoredSession();
    void startNewSession();
    SessionTime::Check checkSessionTime();
    /*! Whether every free text can be stored; else shows which cannot. */
    bool freeTextsCanBeStored();
    /*! Where a booking goes in a series: none for a position of 0; the booking's own identifier for a seriesId of 0. */
    struct SeriesLink
    {
        qint32 seriesId = 0;
        int position = 0;
    };
    /*! The form's own checks, before any booking unit opens; shows what is wrong. */
    bool formCanBeBooked();
    bool saveThrough(QObject *target);
    /*! Books the form's session on \a day through \a target, all of the booking road in one unit. */
    SessionSeries::Refusal book(QObject *target, QDate day, const QVariant &location, SeriesLink series,
                                qint32 &storedId);
    /*! Whether the counsellor or the room \a location is taken on \a day at the form's times. */
    SessionSeries::Refusal conflictOn(QDate day, const QVariant &location) const;
    /*! The view's save, the link rows and the completing update, kept by committing \a unit. */
    SessionSeries::Refusal store(QObject *target, std::unique_ptr<OlvarControls::DataAccess::BookingUnit> unit,
                                 QDate day, const QVariant &location, SeriesLink series, qint32 &storedId);
    /*! The view's SetAppointment while it shows \a shownDay (when there is one). */
    qint32 setAppointmentOn(const SessionView &view, std::optional<OlvarControls::OleDate> shownDay,
                            OlvarControls::OleDate day, OlvarControls::OleDate timeBegin,
                            OlvarControls::OleDate timeEnd, const QString &locationId);
    /*! The date the stored session is stored on; nothing when it cannot be read. */
    std::optional<OlvarControls::OleDate> storedDay() const;
    void showStoredChargeable();
    SessionSeries::Repeat repeatKind() const;
    /*! The dates the "Repeat" row asks for; nothing after showing why they cannot be booked. */
    std::optional<QList<QDate>> repeatDates();
    /*! Books the series the "Repeat" row asks for, after asking; sums up what it booked and refused. */
    bool saveSeries(QObject *target, const QVariant &location);
    void showFirstOfSeries(qint32 sessionId, QDate day);
    void showSeriesPlace(DemoConnection &cn);
    void showChargeable(const QVariant &chargeable);
    void showSessionCaption(DemoConnection &cn);
    void showCaseLine(DemoConnection &cn);
    void putSubject(const QString &defaultSubject);
    bool sessionIsGone() const;
    void makeSessionTabsUsable(bool usable);
    void BuildCboClientEndNote();
    void BuildClientAttendee();
    void BuildCounsellerAttendee();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
