// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>

QT_BEGIN_NAMESPACE
class QComboBox;
class QDateEdit;
class QLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QWidget;
QT_END_NAMESPACE

namespace OlvarControls {
class Calendar;
}

namespace Sessara {

class MultiColumnCombo;

/*!
    The session dialog's controls, created and laid out on a dialog: the tabs
    "Session", "Attendees" and "Session Notes" and the buttons below them.
    Each control's objectName is its name here; the two "Now" buttons are
    both "cmdNow", told apart by their "Index" property (0 start, 1 end).
*/
class SessionControls
{
public:
    /*! Creates the controls on \a dialog. */
    explicit SessionControls(QWidget *dialog);

    QTabWidget *tabSession;

    // "Session"
    QLineEdit *txtSubject;
    OlvarControls::Calendar *calStartTime;
    OlvarControls::Calendar *calEndTime;
    QComboBox *cboStartTime;
    QComboBox *cboEndTime;
    QComboBox *cboRepeat; //!< rows "None", "Weekly", "Every two weeks"
    QRadioButton *optRepeatCount;
    QSpinBox *spnRepeatCount; //!< the number of dates, 2 to 52
    QRadioButton *optRepeatUntil;
    QDateEdit *dtpRepeatUntil; //!< the last date a series may have
    QLabel *lblSeries; //!< "Session k of N" for a session of a series
    MultiColumnCombo *cboLocation;
    QLineEdit *txtLocation;
    MultiColumnCombo *cboSessionType;
    MultiColumnCombo *cboClientType;
    QLineEdit *txtBookedClient;
    QPushButton *cmdClientSearch;
    QPushButton *cmdClientEdit;
    QLineEdit *txtFullName;
    QLineEdit *txtAdditionalNotes;
    QLineEdit *txtActualStartTime;
    QLineEdit *txtActualEndTime;
    QList<QPushButton *> cmdNow;
    QLabel *lblSessionStatus;
    QPushButton *cmdInvoice;
    QLabel *lblSessionCase;
    QPushButton *cmdCase;

    // "Attendees"
    QGroupBox *frmClient;
    QLineEdit *txtClientAttendeeAdd;
    QPushButton *cmdAddClientAdendee;
    QTreeWidget *lstAttendeeClients;
    QPushButton *cmdSearchClientAdendee;
    QPushButton *cmdClientRemove;
    QGroupBox *fraCounsellers;
    QLineEdit *txtCounsellerAttendeeAdd;
    QPushButton *cmdAddCounsellerAdendee;
    QTreeWidget *lstAttendeeCounsellers;
    QPushButton *cmdSearchCounsellerAdendee;
    QPushButton *cmdCounsellerRemove;

    // "Session Notes"
    QGroupBox *fraEndNote;
    MultiColumnCombo *cboClientEndNote;
    QPlainTextEdit *txtEndNote;
    QLineEdit *txtFirstNameEndNote;
    QLineEdit *txtLastNameEndNote;

    // Below the tabs
    QPushButton *cmdSave;
    QPushButton *cmdOk;
    QPushButton *cmdCancel;
    QPushButton *cmdDelete;

private:
    QWidget *buildSessionTab();
    QLayout *buildRepeatRow();
    QWidget *buildAttendeesTab();
    QWidget *buildNotesTab();
};

} // namespace Sessara
