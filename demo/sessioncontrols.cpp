// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessioncontrols.h"

#include "calendar.h"
#include "controlfactory.h"
#include "multicolumncombo.h"
#include "sessionseries.h"
#include "sessiontime.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace OlvarControls;

namespace Sessara {

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(const char *name, const char *caption)
{
    return named(new QLabel(QString::fromUtf8(caption)), name);
}

QPushButton *button(const char *name, const char *caption)
{
    return named(new QPushButton(QString::fromUtf8(caption)), name);
}

Calendar *dateEntry(const char *name)
{
    auto *entry = qobject_cast<Calendar *>(ControlFactory::create(QStringLiteral("OlvarControls.Calendar")));
    if (!entry)
        entry = new Calendar;
    entry->setObjectName(QLatin1String(name));
    entry->setTextFont(QFont(QStringLiteral("Tahoma")));
    entry->setText(QString());
    return entry;
}

QComboBox *timeBox(const char *name, const QString &text)
{
    auto *box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(SessionTime::halfHourTimes());
    box->setCurrentText(text);
    return box;
}

QComboBox *repeatBox()
{
    // The rows follow SessionSeries::Repeat.
    auto *box = named(new QComboBox, "cboRepeat");
    box->addItems({QStringLiteral("None"), QStringLiteral("Weekly"), QStringLiteral("Every two weeks")});
    return box;
}

QTreeWidget *listBox(const char *name, const QStringList &columns)
{
    auto *list = named(new QTreeWidget, name);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    return list;
}

} // namespace

SessionControls::SessionControls(QWidget *dialog)
    : tabSession(named(new QTabWidget(dialog), "tabSession"))
    , txtSubject(named(new QLineEdit, "txtSubject"))
    , calStartTime(dateEntry("calStartTime"))
    , calEndTime(dateEntry("calEndTime"))
    , cboStartTime(timeBox("cboStartTime", QStringLiteral("12:00 pm")))
    , cboEndTime(timeBox("cboEndTime", QStringLiteral("1:00 pm")))
    , cboRepeat(repeatBox())
    , optRepeatCount(named(new QRadioButton(QStringLiteral("for")), "optRepeatCount"))
    , spnRepeatCount(named(new QSpinBox, "spnRepeatCount"))
    , optRepeatUntil(named(new QRadioButton(QStringLiteral("until")), "optRepeatUntil"))
    , dtpRepeatUntil(named(new QDateEdit, "dtpRepeatUntil"))
    , lblSeries(label("lblSeries", ""))
    , cboLocation(named(new MultiColumnCombo(2, 1), "cboLocation"))
    , txtLocation(named(new QLineEdit, "txtLocation"))
    , cboSessionType(named(new MultiColumnCombo(2, 1), "cboSessionType"))
    , cboClientType(named(new MultiColumnCombo(2, 1), "cboClientType"))
    , txtBookedClient(named(new QLineEdit, "txtBookedClient"))
    , cmdClientSearch(button("cmdClientSearch", "Search"))
    , cmdClientEdit(button("cmdClientEdit", "Edit"))
    , txtFullName(named(new QLineEdit, "txtFullName"))
    , txtAdditionalNotes(named(new QLineEdit, "txtAdditionalNotes"))
    , txtActualStartTime(named(new QLineEdit, "txtActualStartTime"))
    , txtActualEndTime(named(new QLineEdit, "txtActualEndTime"))
    , cmdNow({button("cmdNow", "Now"), button("cmdNow", "Now")})
    , lblSessionStatus(label("lblSessionStatus", " "))
    , cmdInvoice(button("cmdInvoice", "Non-Chargeable"))
    , lblSessionCase(label("lblSessionCase", ""))
    , cmdCase(button("cmdCase", "Case Manager"))
    , frmClient(named(new QGroupBox(QStringLiteral("Clients")), "frmClient"))
    , txtClientAttendeeAdd(named(new QLineEdit, "txtClientAttendeeAdd"))
    , cmdAddClientAdendee(button("cmdAddClientAdendee", "Add"))
    , lstAttendeeClients(
          listBox("lstAttendeeClients", {QStringLiteral("ClientID"), QStringLiteral("Name"), QStringLiteral("Status")}))
    , cmdSearchClientAdendee(button("cmdSearchClientAdendee", "Search"))
    , cmdClientRemove(button("cmdClientRemove", "Remove"))
    , fraCounsellers(named(new QGroupBox(QStringLiteral("Counselors")), "fraCounsellers"))
    , txtCounsellerAttendeeAdd(named(new QLineEdit, "txtCounsellerAttendeeAdd"))
    , cmdAddCounsellerAdendee(button("cmdAddCounsellerAdendee", "Add"))
    , lstAttendeeCounsellers(
          listBox("lstAttendeeCounsellers", {QStringLiteral("CounsellerID"), QStringLiteral("Name")}))
    , cmdSearchCounsellerAdendee(button("cmdSearchCounsellerAdendee", "Search"))
    , cmdCounsellerRemove(button("cmdCounsellerRemove", "Remove"))
    , fraEndNote(named(new QGroupBox(QStringLiteral("Session Note")), "fraEndNote"))
    , cboClientEndNote(named(new MultiColumnCombo(4, 1), "cboClientEndNote"))
    , txtEndNote(named(new QPlainTextEdit, "txtEndNote"))
    , txtFirstNameEndNote(named(new QLineEdit, "txtFirstNameEndNote"))
    , txtLastNameEndNote(named(new QLineEdit, "txtLastNameEndNote"))
    , cmdSave(button("cmdSave", "Save"))
    , cmdOk(button("cmdOk", "Ok"))
    , cmdCancel(button("cmdCancel", "Cancel Session"))
    , cmdDelete(button("cmdDelete", "Delete"))
{
    for (int index = 0; index < cmdNow.size(); ++index)
        cmdNow[index]->setProperty("Index", index);
    spnRepeatCount->setRange(SessionSeries::MinimumCount, SessionSeries::MaximumCount);
    dtpRepeatUntil->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpRepeatUntil->setCalendarPopup(true);
    // Blank until a repeat gives it a date after the session's.
    dtpRepeatUntil->setMinimumDate(dtpRepeatUntil->date());
    dtpRepeatUntil->setSpecialValueText(QStringLiteral(" "));
    optRepeatCount->setChecked(true);

    tabSession->addTab(buildSessionTab(), QStringLiteral("Session"));
    tabSession->addTab(buildAttendeesTab(), QStringLiteral("Attendees"));
    tabSession->addTab(buildNotesTab(), QStringLiteral("Session Notes"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdDelete);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdOk);
    auto *outer = new QVBoxLayout(dialog);
    outer->addWidget(tabSession);
    outer->addLayout(buttons);
}

QWidget *SessionControls::buildSessionTab()
{
    auto *session = named(new QWidget, "fraSession");
    auto *grid = new QGridLayout(session);
    grid->addWidget(label("lblSubject", "Subject"), 0, 0);
    grid->addWidget(txtSubject, 0, 1, 1, 5);
    grid->addWidget(label("lblStartDate", "Start Date"), 1, 0);
    grid->addWidget(calStartTime, 1, 1);
    grid->addWidget(label("lblStartTime", "Start Time"), 1, 2);
    grid->addWidget(cboStartTime, 1, 3);
    grid->addWidget(label("lblEndDate", "End Date"), 2, 0);
    grid->addWidget(calEndTime, 2, 1);
    grid->addWidget(label("lblEndTime", "End Time"), 2, 2);
    grid->addWidget(cboEndTime, 2, 3);
    grid->addWidget(label("lblRepeat", "Repeat"), 3, 0);
    grid->addLayout(buildRepeatRow(), 3, 1, 1, 5);
    grid->addWidget(label("lblLocation", "Location"), 4, 0);
    grid->addWidget(cboLocation, 4, 1);
    grid->addWidget(txtLocation, 4, 2, 1, 4);
    grid->addWidget(label("lblSessionType", "SessionType"), 5, 0);
    grid->addWidget(cboSessionType, 5, 1);
    grid->addWidget(label("lblCategory", "Category"), 5, 2);
    grid->addWidget(cboClientType, 5, 3);
    grid->addWidget(label("lblClientToInvoice", "Client to Invoice"), 6, 0);
    grid->addWidget(txtBookedClient, 6, 1);
    grid->addWidget(label("lblName", "Name"), 6, 2);
    grid->addWidget(txtFullName, 6, 3);
    grid->addWidget(cmdClientSearch, 6, 4);
    grid->addWidget(cmdClientEdit, 6, 5);
    grid->addWidget(label("lblAdditionalNotes", "Notes"), 7, 0);
    grid->addWidget(txtAdditionalNotes, 7, 1, 1, 5);
    grid->addWidget(label("lblActualStartTime", "Actual Start Time"), 8, 0);
    grid->addWidget(txtActualStartTime, 8, 1);
    grid->addWidget(cmdNow[0], 8, 2);
    grid->addWidget(label("lblActualEndTime", "Actual End Time"), 9, 0);
    grid->addWidget(txtActualEndTime, 9, 1);
    grid->addWidget(cmdNow[1], 9, 2);
    grid->addWidget(lblSessionStatus, 10, 0, 1, 2);
    grid->addWidget(cmdInvoice, 10, 2);
    grid->addWidget(lblSessionCase, 11, 0, 1, 3);
    grid->addWidget(cmdCase, 11, 3);
    grid->addWidget(lblSeries, 12, 0, 1, 3);
    grid->setRowStretch(13, 1);
    return session;
}

QLayout *SessionControls::buildRepeatRow()
{
    auto *row = new QHBoxLayout;
    row->addWidget(cboRepeat);
    row->addWidget(optRepeatCount);
    row->addWidget(spnRepeatCount);
    row->addWidget(label("lblRepeatSessions", "sessions"));
    row->addWidget(optRepeatUntil);
    row->addWidget(dtpRepeatUntil);
    row->addStretch(1);
    return row;
}

QWidget *SessionControls::buildAttendeesTab()
{
    auto *attendees = named(new QWidget, "fraAttendees");
    auto *attendeeColumns = new QHBoxLayout(attendees);
    const auto group = [&](QGroupBox *frame, QLineEdit *add, QPushButton *addButton, QTreeWidget *list,
                           QPushButton *search, QPushButton *remove) {
        auto *rows = new QVBoxLayout(frame);
        auto *adding = new QHBoxLayout;
        adding->addWidget(add);
        adding->addWidget(addButton);
        rows->addLayout(adding);
        rows->addWidget(list);
        auto *more = new QHBoxLayout;
        more->addWidget(search);
        more->addWidget(remove);
        rows->addLayout(more);
        attendeeColumns->addWidget(frame);
    };
    group(frmClient, txtClientAttendeeAdd, cmdAddClientAdendee, lstAttendeeClients, cmdSearchClientAdendee,
          cmdClientRemove);
    group(fraCounsellers, txtCounsellerAttendeeAdd, cmdAddCounsellerAdendee, lstAttendeeCounsellers,
          cmdSearchCounsellerAdendee, cmdCounsellerRemove);
    return attendees;
}

QWidget *SessionControls::buildNotesTab()
{
    auto *notes = named(new QWidget, "fraSessionNotes");
    auto *notesLayout = new QVBoxLayout(notes);
    auto *noteGrid = new QGridLayout(fraEndNote);
    noteGrid->addWidget(label("lblClient", "Client"), 0, 0);
    noteGrid->addWidget(cboClientEndNote, 0, 1, 1, 3);
    noteGrid->addWidget(label("lblFirstName", "First Name"), 1, 0);
    noteGrid->addWidget(txtFirstNameEndNote, 1, 1);
    noteGrid->addWidget(label("lblLastName", "Last Name"), 1, 2);
    noteGrid->addWidget(txtLastNameEndNote, 1, 3);
    noteGrid->addWidget(txtEndNote, 2, 0, 1, 4);
    notesLayout->addWidget(fraEndNote);
    return notes;
}

} // namespace Sessara
