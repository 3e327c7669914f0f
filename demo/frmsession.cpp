// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmsession.h"

#include "attendeestab.h"
#include "basgeneral.h"
#include "bookingconflict.h"
#include "bookingunit.h"
#include "calendar.h"
#include "datetext.h"
#include "democonnection.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "numberconversion.h"
#include "resumenext.h"
#include "scheduler.h"
#include "seriesstore.h"
#include "sessioncommands.h"
#include "sessioncontrols.h"
#include "sessionedits.h"
#include "sessionfinders.h"
#include "sessionnotestab.h"
#include "sessiontexts.h"
#include "sessionupdate.h"
#include "sessionview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>

using namespace OlvarControls;
using OlvarControls::DataAccess::BookingUnit;

namespace Sessara {

namespace {

QString id(qint32 value)
{
    return QString::number(value);
}

QString calendarText(const Calendar *calendar)
{
    return calendar->text().toString();
}

/* Shows \a date in \a calendar, written with its own pattern. */
void showDate(Calendar *calendar, OleDate date)
{
    ResumeNext()([&] { calendar->setText(QVariant::fromValue(date.datePart())); });
}

/* Whether \a value reads as True; an unreadable value does not. */
bool isTrue(const QVariant &value)
{
    bool result = false;
    ResumeNext()([&] { result = NumberConversion::toBoolean(value); });
    return result;
}

} // namespace

struct frmSession::Private
{
    explicit Private(QWidget *dialog)
        : ui(dialog)
    {
    }

    SessionControls ui;
    // Gone with the controls' state, before the dialog's children: they watch the controls.
    std::unique_ptr<SessionNotesTab> notes;
    std::unique_ptr<AttendeesTab> attendees;
    std::unique_ptr<SessionCommands> commands;
    std::unique_ptr<SessionFinders> finders;
    QString selectedDate;
    QPointer<QObject> dayView;
    QPointer<QObject> weekView;
    bool loaded = false;
    bool loading = false;
    // The subject last built by default, which leaving its fields may replace.
    QString lastDefaultSubject;
    // The fields as last shown or saved.
    SessionEdits saved;
    bool changedSession = false;
};

frmSession::frmSession(QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>(this))
{
    setObjectName(QStringLiteral("frmSession"));
    setModal(true);
    setWindowTitle(QStringLiteral("Session"));
    SessionControls &ui = d->ui;
    d->notes = std::make_unique<SessionNotesTab>(ui);
    d->attendees = std::make_unique<AttendeesTab>(ui, [this] { BuildCboClientEndNote(); });
    d->commands = std::make_unique<SessionCommands>(
        ui, *this, [this]() -> QObject * { return basGeneral::bolWeekView ? d->weekView.data() : d->dayView.data(); });

    d->finders = std::make_unique<SessionFinders>(
        ui, [this] { bookedClientChanged(); },
        [this] {
            DemoConnection cn;
            showCaseLine(cn);
        });
    connect(ui.txtBookedClient, &QLineEdit::textChanged, this, &frmSession::bookedClientChanged);
    connect(ui.cboLocation, &QComboBox::currentIndexChanged, this, &frmSession::locationChanged);
    connect(ui.cboStartTime, &QComboBox::currentTextChanged, this, &frmSession::startTimeChanged);
    connect(ui.cboRepeat, &QComboBox::currentIndexChanged, this, &frmSession::repeatChanged);
    for (QRadioButton *option : {ui.optRepeatCount, ui.optRepeatUntil})
        connect(option, &QRadioButton::toggled, this, &frmSession::repeatChanged);
    connect(ui.cmdSave, &QPushButton::clicked, this, &frmSession::save);
    connect(ui.cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    // Enter saves; the other buttons are pressed only by their own click or key.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    ui.cmdSave->setDefault(true);
    // Cancelling and deleting change what the shown view draws; it is read again when the dialog closes.
    for (QPushButton *button : {ui.cmdCancel, ui.cmdDelete})
        connect(button, &QPushButton::clicked, this, [this] { d->changedSession = true; });

    for (QWidget *watched : {static_cast<QWidget *>(ui.cboClientType), static_cast<QWidget *>(ui.cboSessionType),
                             static_cast<QWidget *>(ui.cboLocation), static_cast<QWidget *>(ui.cboStartTime),
                             static_cast<QWidget *>(ui.cboEndTime)}) {
        watched->installEventFilter(this);
    }
    for (QComboBox *box : {ui.cboStartTime, ui.cboEndTime})
        box->lineEdit()->installEventFilter(this);
    for (Calendar *entry : {ui.calStartTime, ui.calEndTime}) {
        if (auto *text = entry->findChild<QLineEdit *>(QStringLiteral("TxtDate")))
            text->installEventFilter(this);
    }
}

frmSession::~frmSession() = default;

void frmSession::SetSelectedDate(const QString &selectedDate)
{
    d->selectedDate = selectedDate;
}

void frmSession::setViews(QObject *dayView, QObject *weekView)
{
    d->dayView = dayView;
    d->weekView = weekView;
}

void frmSession::ensureLoaded()
{
    if (d->loaded || d->loading)
        return;
    d->loading = true;
    load();
    d->loading = false;
    d->loaded = true;
}

QLineEdit *frmSession::txtSubject()
{
    ensureLoaded();
    return d->ui.txtSubject;
}

QLineEdit *frmSession::txtAdditionalNotes()
{
    ensureLoaded();
    return d->ui.txtAdditionalNotes;
}

QComboBox *frmSession::cboStartTime()
{
    ensureLoaded();
    return d->ui.cboStartTime;
}

QComboBox *frmSession::cboEndTime()
{
    ensureLoaded();
    return d->ui.cboEndTime;
}

Calendar *frmSession::calStartTime()
{
    ensureLoaded();
    return d->ui.calStartTime;
}

Calendar *frmSession::calEndTime()
{
    ensureLoaded();
    return d->ui.calEndTime;
}

void frmSession::setDateTexts(const QString &startDate, const QString &endDate)
{
    ensureLoaded();
    for (const auto &[entry, text] : {std::pair{d->ui.calStartTime, startDate}, std::pair{d->ui.calEndTime, endDate}}) {
        if (const std::optional<OleDate> date = SessionTime::dayMonthYear(text))
            showDate(entry, *date);
        else
            ResumeNext()([&, entry = entry, text = text] { entry->setText(text); });
    }
}

QWidget *frmSession::control(const QString &name)
{
    ensureLoaded();
    return findChild<QWidget *>(name);
}

void frmSession::showEvent(QShowEvent *event)
{
    ensureLoaded();
    QDialog::showEvent(event);
    if (d->saved.isCaptured())
        return;
    // The fields as the main window filled them are the starting point of the receptionist's edits.
    d->saved = SessionEdits::capture(d->ui);
    if (d->ui.txtSubject->text() == BuildDefaultSubject())
        d->lastDefaultSubject = d->ui.txtSubject->text();
}

bool frmSession::hasUnsavedEdits() const
{
    return d->saved.differsFrom(SessionEdits::capture(d->ui));
}

bool frmSession::changedSession() const
{
    return d->changedSession;
}

bool frmSession::sessionIsGone() const
{
    if (basGeneral::lngSessionID <= 0)
        return false;
    DemoConnection cn;
    DemoRecordset rs =
        cn.read(QStringLiteral("Select * from tblSession where SessionID=") + id(basGeneral::lngSessionID));
    return cn.isOpen() && !cn.errors().failed() && rs.eof();
}

void frmSession::done(int result)
{
    if (hasUnsavedEdits() && !sessionIsGone()) {
        switch (MsgBox::show(QStringLiteral("Save changes to this session?"), MsgBox::YesNoCancel | MsgBox::Question)) {
        case MsgBox::Yes:
            save();
            if (hasUnsavedEdits())
                return; // the save was refused and has said why; the edits stay
            break;
        case MsgBox::No:
            break;
        default:
            return;
        }
    }
    QDialog::done(result);
}

// --- Filling and loading ----------------------------------------------------------------------

namespace {

/* Adds the rows of \a select to \a box, each at the index its position gives less \a offset. */
void fillList(MultiColumnCombo *box, const QString &select, int offset)
{
    DemoConnection cn;
    DemoRecordset rs = cn.readList(select);
    rs.moveFirst();
    while (!rs.eof()) {
        const int row = box->addItem(rs.absolutePosition() - offset);
        box->setList(row, 0, rs.value(0));
        box->setList(row, 1, rs.value(QStringLiteral("Description")));
        rs.moveNext();
    }
    rs.close();
}

void addFirstRow(MultiColumnCombo *box, const QString &caption)
{
    const int row = box->addItem(0);
    box->setList(row, 0, -1);
    box->setList(row, 1, caption);
}

} // namespace

void frmSession::BuildCboSessionType()
{
    fillList(d->ui.cboSessionType, QStringLiteral("Select * from tblSessionType"), 1);
}

void frmSession::BuildCboClientType()
{
    MultiColumnCombo *box = d->ui.cboClientType;
    addFirstRow(box, QStringLiteral("(None)"));
    fillList(box, QStringLiteral("Select * from tblClientType"), 0);
    if (box->count() > 1)
        box->setListIndex(1);
}

void frmSession::BuildCboLocation()
{
    addFirstRow(d->ui.cboLocation, QStringLiteral("Client Nominated Location"));
    fillList(d->ui.cboLocation, QStringLiteral("Select * from tblLocation order by Description"), 0);
}

void frmSession::BuildCboClientEndNote()
{
    d->notes->BuildCboClientEndNote();
}

void frmSession::BuildClientAttendee()
{
    d->attendees->BuildClientAttendee();
}

void frmSession::BuildCounsellerAttendee()
{
    d->attendees->BuildCounsellerAttendee();
}

void frmSession::load()
{
    SessionControls &ui = d->ui;
    // The clicked date comes as the view writes dates; the entry shows it day first.
    if (const std::optional<OleDate> date = DateText::tryParse(d->selectedDate))
        showDate(ui.calStartTime, *date);
    else
        ResumeNext()([&] { ui.calStartTime->setText(d->selectedDate); });

    BuildCboSessionType();
    BuildCboClientType();
    BuildCboLocation();
    BuildCboClientEndNote();
    BuildClientAttendee();
    BuildCounsellerAttendee();

    ui.cboSessionType->setListIndex(ui.cboSessionType->count() > 0 ? 0 : -1);
    ui.cboClientType->setListIndex(ui.cboClientType->count() > 1 ? 1 : -1);
    ui.cboLocation->setListIndex(ui.cboLocation->count() > 1 ? 1 : -1);
    if (ui.cboClientEndNote->count() > 0)
        ui.cboClientEndNote->setListIndex(0);
    locationChanged();

    if (basGeneral::lngSessionID > 0)
        loadStoredSession();
    else
        startNewSession();
}

void frmSession::loadStoredSession()
{
    SessionControls &ui = d->ui;
    const QString session = id(basGeneral::lngSessionID);
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblSession where SessionID=") + session);
    if (!rs.eof()) {
        const QVariant clientType = rs.value(QStringLiteral("ClientTypeID"));
        if (basGeneral::Int32Of(clientType) > 0) {
            DemoRecordset type = cn.read(QStringLiteral("Select * from tblClientType where ClientTypeID=")
                                         + basGeneral::TextOf(clientType));
            ui.cboClientType->setText(basGeneral::TextOf(type.value(QStringLiteral("Description"))));
        } else {
            ui.cboClientType->setText(QStringLiteral("(None)"));
        }

        const QVariant location = rs.value(QStringLiteral("LocationID"));
        if (basGeneral::Int32Of(location) > 0) {
            DemoRecordset room =
                cn.read(QStringLiteral("select * from tblLocation where LocationID=") + basGeneral::TextOf(location));
            ui.cboLocation->setText(basGeneral::TextOf(room.value(QStringLiteral("Description"))));
        } else {
            ui.cboLocation->setText(QStringLiteral("Client Nominated Location"));
            ui.txtLocation->setText(basGeneral::TextOf(rs.value(QStringLiteral("ClientNominatedLocation"))));
        }

        DemoRecordset type = cn.read(QStringLiteral("Select * from tblSessionType where Sessiontypeid=")
                                     + basGeneral::TextOf(rs.value(QStringLiteral("SessionTypeID"))));
        ui.cboSessionType->setText(basGeneral::TextOf(type.value(QStringLiteral("Description"))));

        ui.txtBookedClient->setText(basGeneral::TextOf(rs.value(QStringLiteral("BookedClientID"))));

        for (const auto &[column, box] : {std::pair{QStringLiteral("ActualStartTime"), ui.txtActualStartTime},
                                          std::pair{QStringLiteral("ActualEndTime"), ui.txtActualEndTime}}) {
            const QString actual = basGeneral::TextOf(rs.value(column));
            if (!actual.isEmpty())
                box->setText(actual);
        }
        showChargeable(rs.value(QStringLiteral("Chargeable")));
    }

    showSessionCaption(cn);

    showCaseLine(cn);
    showSeriesPlace(cn);
    // A stored session is changed on its own; a series is booked only with a new session.
    ui.cboRepeat->setEnabled(false);
    repeatChanged();
}

void frmSession::showCaseLine(DemoConnection &cn)
{
    const QString session = id(basGeneral::lngSessionID);
    DemoRecordset link = cn.read(QStringLiteral("Select * from tblClientCaseSessionLink where SessionID=") + session);
    const QString caseId =
        link.eof() ? QStringLiteral("0") : basGeneral::TextOf(link.value(QStringLiteral("clientCaseID")));
    DemoRecordset position =
        cn.read(QStringLiteral("Select count(ClientCaseID) as CurrentPos  from tblClientCaseSessionLink "
                               "where clientCaseID =")
                + caseId + QStringLiteral(" and SessionID <=") + session);
    DemoRecordset total = cn.read(QStringLiteral("Select count(ClientCaseID) as TotalSessionInCase from "
                                                 "tblClientCaseSessionLink where clientCaseID =")
                                  + caseId);
    d->ui.lblSessionCase->setText(SessionTexts::caseLine(caseId, position.value(QStringLiteral("CurrentPos")),
                                                         total.value(QStringLiteral("TotalSessionInCase"))));
}

void frmSession::showSessionCaption(DemoConnection &cn)
{
    if (basGeneral::lngCounsellerID < 0)
        return;
    DemoRecordset counsellor =
        cn.read(QStringLiteral("Select * from tblCounseller where CounsellerID=") + id(basGeneral::lngCounsellerID));
    setWindowTitle(QStringLiteral("Session ") + id(basGeneral::lngSessionID) + QStringLiteral(" Counselor: ")
                   + basGeneral::TextOf(counsellor.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                   + basGeneral::TextOf(counsellor.value(QStringLiteral("LastName"))));
}

void frmSession::putSubject(const QString &defaultSubject)
{
    d->ui.txtSubject->setText(
        SessionTexts::followingSubject(d->ui.txtSubject->text(), d->lastDefaultSubject, defaultSubject));
    d->lastDefaultSubject = defaultSubject;
}

void frmSession::startNewSession()
{
    SessionControls &ui = d->ui;
    setWindowTitle(QStringLiteral("New Session"));
    ui.lblSessionStatus->setText(QStringLiteral(" "));
    ui.txtBookedClient->setText(id(basGeneral::lngClientID));
    makeSessionTabsUsable(false);
    ui.txtSubject->clear();
    putSubject(BuildDefaultSubject());
}

void frmSession::makeSessionTabsUsable(bool usable)
{
    d->ui.tabSession->setTabEnabled(1, usable);
    d->ui.tabSession->setTabEnabled(2, usable);
    d->ui.cmdCase->setEnabled(usable);
    // Cancelling and deleting need the stored session too.
    d->ui.cmdCancel->setEnabled(usable);
    d->ui.cmdDelete->setEnabled(usable);
    // A series is booked with a new session only.
    d->ui.cboRepeat->setEnabled(!usable);
    repeatChanged();
}

void frmSession::showChargeable(const QVariant &chargeable)
{
    const bool isChargeable = isTrue(chargeable);
    d->ui.lblSessionStatus->setText(SessionTexts::chargeableStatus(isChargeable));
    d->ui.cmdInvoice->setText(SessionTexts::chargeableButtonCaption(isChargeable));
}

QString frmSession::BuildDefaultSubject() const
{
    const SessionControls &ui = d->ui;
    return SessionTexts::BuildDefaultSubject(ui.cboClientType->text(), ui.cboSessionType->text(),
                                             ui.cboLocation->text(), ui.txtFullName->text());
}

// --- Field reactions --------------------------------------------------------------------------

void frmSession::bookedClientChanged()
{
    // The name follows the identifier typed, so that the name shown is the client stored.
    const QString typed = d->ui.txtBookedClient->text().trimmed();
    QString name;
    if (SessionUpdate::isClientNumber(typed)) {
        DemoConnection cn;
        DemoRecordset rs = cn.read(QStringLiteral("Select * from tblClient where ClientID=") + typed);
        if (!rs.eof()) {
            name = SessionTexts::bookedClientName(
                rs.value(QStringLiteral("OrganisationName")), rs.value(QStringLiteral("Salutation")),
                rs.value(QStringLiteral("FirstName")), rs.value(QStringLiteral("LastName")));
        }
    }
    d->ui.txtFullName->setText(name);
}

void frmSession::clientTypeLeft()
{
    SessionControls &ui = d->ui;
    putSubject(basGeneral::Int32Of(ui.cboClientType->chosen(0), -1) < 0 ? ui.cboSessionType->text()
                                                                        : BuildDefaultSubject());
}

void frmSession::sessionTypeLeft()
{
    clientTypeLeft();
}

void frmSession::locationChanged()
{
    d->ui.txtLocation->setEnabled(d->ui.cboLocation->listIndex() == 0);
}

void frmSession::locationLeft()
{
    putSubject(BuildDefaultSubject());
}

void frmSession::startTimeChanged()
{
    SessionControls &ui = d->ui;
    if (const std::optional<QString> end =
            SessionTime::endAfterStartChanged(ui.cboStartTime->currentText(), ui.cboEndTime->currentText())) {
        ui.cboEndTime->setCurrentText(*end);
    }
}

void frmSession::timeLeft()
{
    IncorrectSessionTime();
}

void frmSession::startDateLeft()
{
    SessionControls &ui = d->ui;
    if (calendarText(ui.calStartTime).isEmpty()) {
        MsgBox::show(QStringLiteral("Enter a date for Start Time"), MsgBox::Critical);
        showDate(ui.calStartTime, Scheduler::instance().today());
    }
    // The session ends on the day it starts unless the end date is changed afterwards.
    if (const std::optional<OleDate> start = SessionTime::dayMonthYear(calendarText(ui.calStartTime)))
        showDate(ui.calEndTime, *start);
    else
        ResumeNext()([&] { ui.calEndTime->setText(ui.calStartTime->text()); });
}

void frmSession::endDateLeft()
{
    if (calendarText(d->ui.calEndTime).isEmpty()) {
        MsgBox::show(QStringLiteral("Enter a date for End Time"), MsgBox::Critical);
        showDate(d->ui.calEndTime, Scheduler::instance().today());
    }
}

bool frmSession::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Opening a list or a popup, or another window taking the focus, is not leaving the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            const SessionControls &ui = d->ui;
            const auto later = [this](void (frmSession::*handler)()) {
                // After the control's own handling of leaving, such as the date entry's check.
                QMetaObject::invokeMethod(this, handler, Qt::QueuedConnection);
            };
            if (watched == ui.cboClientType)
                later(&frmSession::clientTypeLeft);
            else if (watched == ui.cboSessionType)
                later(&frmSession::sessionTypeLeft);
            else if (watched == ui.cboLocation)
                later(&frmSession::locationLeft);
            else if (watched == ui.cboStartTime || watched == ui.cboEndTime || watched == ui.cboStartTime->lineEdit()
                     || watched == ui.cboEndTime->lineEdit())
                later(&frmSession::timeLeft);
            else if (watched->parent() == ui.calStartTime)
                later(&frmSession::startDateLeft);
            else if (watched->parent() == ui.calEndTime)
                later(&frmSession::endDateLeft);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- Checks and saving ------------------------------------------------------------------------

bool frmSession::freeTextsCanBeStored()
{
    const SessionControls &ui = d->ui;
    const QString message =
        SessionTexts::nullCharacterMessage({{QStringLiteral("Subject"), ui.txtSubject->text()},
                                            {QStringLiteral("Notes"), ui.txtAdditionalNotes->text()},
                                            {QStringLiteral("Location"), ui.txtLocation->text()},
                                            {QStringLiteral("Actual Start Time"), ui.txtActualStartTime->text()},
                                            {QStringLiteral("Actual End Time"), ui.txtActualEndTime->text()}});
    if (message.isEmpty())
        return true;
    MsgBox::show(message, MsgBox::Exclamation);
    return false;
}

SessionTime::Check frmSession::checkSessionTime()
{
    const SessionControls &ui = d->ui;
    const SessionTime::Check check = SessionTime::check(calendarText(ui.calStartTime), ui.cboStartTime->currentText(),
                                                        calendarText(ui.calEndTime), ui.cboEndTime->currentText());
    switch (check) {
    case SessionTime::Check::EndBeforeStart:
        MsgBox::show(QStringLiteral("A Session can not have a Start Time lesser than its End Time."), MsgBox::Critical);
        break;
    case SessionTime::Check::Unreadable:
        MsgBox::show(SessionTexts::unreadableTimeMessage(), MsgBox::Critical);
        break;
    case SessionTime::Check::Valid:
        break;
    }
    return check;
}

bool frmSession::IncorrectSessionTime()
{
    return checkSessionTime() == SessionTime::Check::EndBeforeStart;
}

void frmSession::save()
{
    ensureLoaded();
    {
        DemoConnection cn;
        DemoRecordset rs =
            cn.read(QStringLiteral("Select * from tblSession where SessionID=") + id(basGeneral::lngSessionID));
        if (!rs.eof() && isTrue(rs.value(QStringLiteral("Invoiced")))) {
            MsgBox::show(QStringLiteral("Cannot save changes to this Session. It has already been Invoiced."),
                         MsgBox::OkOnly);
            return;
        }
    }
    SaveSession(basGeneral::bolWeekView ? d->weekView.data() : d->dayView.data());
    if (basGeneral::lngSessionID > 0) {
        DemoConnection cn;
        showSessionCaption(cn);
        showSeriesPlace(cn);
    }
    BuildCounsellerAttendee();
    // Attendees and notes belong to a stored session only.
    makeSessionTabsUsable(basGeneral::lngSessionID > 0);
}

void frmSession::SaveSession(QObject *target)
{
    if (saveThrough(target)) {
        d->saved = SessionEdits::capture(d->ui);
        d->changedSession = true;
        ResumeNext()([&] { SessionView(target).UpdateDisplay(); });
    }
}

namespace {

/* The room of \a location, a LocationID; nothing for a client-nominated location. */
std::optional<qint32> roomOf(const QVariant &location)
{
    if (!location.isValid() || basGeneral::Int32Of(location, -1) < 0)
        return std::nullopt;
    return basGeneral::Int32Of(location);
}

/* The message of a single save refused for \a refusal. */
QString refusalMessage(SessionSeries::Refusal refusal)
{
    switch (refusal) {
    case SessionSeries::Refusal::CounsellorBooked:
        return QStringLiteral("The Start and End time for this booking conflict with another.\r\n"
                              "Please try another Start or end Time.");
    case SessionSeries::Refusal::RoomTaken:
        return QStringLiteral("The specified location is not Available.\r\nPlease Select Another.");
    case SessionSeries::Refusal::NotStored:
        return QStringLiteral("The session could not be stored.");
    case SessionSeries::Refusal::Unavailable:
    case SessionSeries::Refusal::None:
        break;
    }
    return SessionTexts::databaseUnavailableMessage();
}

} // namespace

bool frmSession::formCanBeBooked()
{
    SessionControls &ui = d->ui;
    // Nothing is written with a date or time that cannot be read, or that ends before it starts.
    if (checkSessionTime() != SessionTime::Check::Valid)
        return false;
    if (!SessionUpdate::isClientNumber(ui.txtBookedClient->text())) {
        MsgBox::show(QStringLiteral("Client to Invoice must be a client number."), MsgBox::Exclamation);
        return false;
    }
    return freeTextsCanBeStored();
}

bool frmSession::saveThrough(QObject *target)
{
    // The form's own checks come first: no booking unit waits on a message about the form.
    if (!formCanBeBooked())
        return false;
    const QVariant location = d->ui.cboLocation->chosen(0);
    if (basGeneral::lngSessionID <= 0 && repeatKind() != SessionSeries::Repeat::None)
        return saveSeries(target, location);
    const QDate day = SessionTime::dayMonthYear(calendarText(d->ui.calStartTime))->date();
    qint32 storedId = 0;
    const SessionSeries::Refusal refusal = book(target, day, location, SeriesLink{}, storedId);
    if (refusal != SessionSeries::Refusal::None) {
        MsgBox::show(refusalMessage(refusal), MsgBox::Exclamation);
        return false;
    }
    if (basGeneral::lngSessionID <= 0)
        basGeneral::lngSessionID = storedId;
    showStoredChargeable();
    return true;
}

SessionSeries::Refusal frmSession::book(QObject *target, QDate day, const QVariant &location, SeriesLink series,
                                        qint32 &storedId)
{
    // The checks, the view's save, the link rows and the completing update are one unit that no
    // other desk can interleave with for this counsellor or room. A refusal ends the unit, undoing
    // it, before its message shows, so that no other desk waits for the box to be closed.
    std::unique_ptr<BookingUnit> unit;
    const std::optional<qint32> room = roomOf(location);
    ResumeNext()([&] {
        unit =
            std::make_unique<BookingUnit>(basGeneral::strConnectionString, QList<qint64>{basGeneral::lngCounsellerID},
                                          room ? QList<qint64>{*room} : QList<qint64>{});
    });
    if (!unit)
        return SessionSeries::Refusal::Unavailable;
    const SessionSeries::Refusal conflict = conflictOn(day, location);
    if (conflict != SessionSeries::Refusal::None)
        return conflict;
    return store(target, std::move(unit), day, location, series, storedId);
}

SessionSeries::Refusal frmSession::conflictOn(QDate day, const QVariant &location) const
{
    const SessionControls &ui = d->ui;
    if (!OleDate::fromDate(day).isValid())
        return SessionSeries::Refusal::Unavailable;
    const QString date = SessionTime::dateText(OleDate::fromDate(day));
    const QString startTime = ui.cboStartTime->currentText();
    const QString endTime = ui.cboEndTime->currentText();
    const BookingConflict::Check counsellor = BookingConflict::CheckForBookingConflict(
        basGeneral::lngCounsellerID, date, startTime, endTime, basGeneral::lngSessionID);
    if (counsellor == BookingConflict::Check::Conflict)
        return SessionSeries::Refusal::CounsellorBooked;
    // A client-nominated location is never tested against other bookings.
    const BookingConflict::Check place = roomOf(location)
        ? BookingConflict::CheckForRoomConflict(location, date, startTime, endTime, basGeneral::lngSessionID)
        : BookingConflict::Check::Free;
    if (counsellor == BookingConflict::Check::CouldNotRun || place == BookingConflict::Check::CouldNotRun)
        return SessionSeries::Refusal::Unavailable;
    if (place == BookingConflict::Check::Conflict)
        return SessionSeries::Refusal::RoomTaken;
    return SessionSeries::Refusal::None;
}

SessionSeries::Refusal frmSession::store(QObject *target, std::unique_ptr<BookingUnit> unit, QDate day,
                                         const QVariant &location, SeriesLink series, qint32 &storedId)
{
    SessionControls &ui = d->ui;
    if (ui.txtSubject->text().isEmpty())
        ui.txtSubject->setText(ui.cboClientType->text() + QLatin1Char(' ') + ui.cboSessionType->text());
    const OleDate apptDate = OleDate::fromDate(day);
    const OleDate timeBegin = *SessionTime::timeOfDay(ui.cboStartTime->currentText());
    const OleDate timeEnd = *SessionTime::timeOfDay(ui.cboEndTime->currentText());
    const QString locationId = basGeneral::TextOf(location);
    const SessionUpdate::Fields fields{basGeneral::TextOf(ui.cboClientType->chosen(0)),
                                       ui.txtBookedClient->text(),
                                       locationId,
                                       ui.txtLocation->text(),
                                       ui.txtActualStartTime->text(),
                                       ui.txtActualEndTime->text()};
    const SessionView view(target);
    const bool stored = basGeneral::lngSessionID > 0;
    storedId = 0;
    ResumeNext()([&] {
        storedId = setAppointmentOn(view, stored ? storedDay() : apptDate, apptDate, timeBegin, timeEnd, locationId);
    });
    if (storedId <= 0) {
        // The view stored nothing: no link or completion for a session that is not there, and no save that looks done.
        return SessionSeries::Refusal::NotStored;
    }
    bool written = false;
    {
        DemoConnection cn;
        written = stored ? cn.execute(SessionUpdate::forStoredSession(fields, basGeneral::lngSessionID))
                         : cn.execute(SessionUpdate::counsellorLink(storedId, basGeneral::lngCounsellerID))
                && cn.execute(SessionUpdate::forNewSession(fields, storedId))
                && (series.position <= 0
                    || cn.execute(SeriesStore::link(storedId, series.seriesId > 0 ? series.seriesId : storedId,
                                                    series.position)));
    }
    if (!written || !ResumeNext()([&] { unit->commit(); })) {
        // Nothing of the booking is stored; the view shows what the database holds.
        unit.reset();
        ResumeNext()([&] { view.UpdateDisplay(); });
        storedId = 0;
        return SessionSeries::Refusal::Unavailable;
    }
    return SessionSeries::Refusal::None;
}

qint32 frmSession::setAppointmentOn(const SessionView &view, std::optional<OleDate> shownDay, OleDate day,
                                    OleDate timeBegin, OleDate timeEnd, const QString &locationId)
{
    // The view adds a new session on the date it shows, and changes only a session it lists: it
    // shows the new session's date, or the stored session's, meanwhile.
    const std::optional<OleDate> shown = shownDay ? view.showDate(*shownDay) : std::nullopt;
    const auto showAgain = qScopeGuard([&] {
        if (shown)
            ResumeNext()([&] { view.showDate(*shown); });
    });
    const SessionControls &ui = d->ui;
    const QVariant apptId = basGeneral::lngSessionID > 0 ? QVariant(basGeneral::lngSessionID) : QVariant();
    return view.SetAppointment(day, timeBegin, timeEnd, ui.txtSubject->text(), ui.txtAdditionalNotes->text(),
                               basGeneral::Int32Of(ui.cboSessionType->chosen(0)), locationId, apptId);
}

std::optional<OleDate> frmSession::storedDay() const
{
    DemoConnection cn;
    DemoRecordset rs =
        cn.read(QStringLiteral("Select * from tblSession where SessionID=") + id(basGeneral::lngSessionID));
    std::optional<OleDate> day;
    if (!rs.eof() && !rs.value(QStringLiteral("SessionDate")).isNull())
        ResumeNext()([&] { day = NumberConversion::toDate(rs.value(QStringLiteral("SessionDate"))).datePart(); });
    return day;
}

void frmSession::showStoredChargeable()
{
    DemoConnection cn;
    DemoRecordset rs =
        cn.read(QStringLiteral("Select * from tblSession where sessionID=") + id(basGeneral::lngSessionID));
    if (!rs.eof())
        showChargeable(rs.value(QStringLiteral("Chargeable")));
    rs.close();
}

// --- Series -----------------------------------------------------------------------------------

SessionSeries::Repeat frmSession::repeatKind() const
{
    return SessionSeries::Repeat(qBound(0, d->ui.cboRepeat->currentIndex(), 2));
}

std::optional<QList<QDate>> frmSession::repeatDates()
{
    const SessionControls &ui = d->ui;
    const QDate start = SessionTime::dayMonthYear(calendarText(ui.calStartTime))->date();
    const SessionSeries::Repeat repeat = repeatKind();
    const int count = ui.optRepeatUntil->isChecked()
        ? SessionSeries::countUntil(start, repeat, ui.dtpRepeatUntil->date())
        : ui.spnRepeatCount->value();
    const QString problem = SessionSeries::countProblem(count);
    if (!problem.isEmpty()) {
        MsgBox::show(problem, MsgBox::Exclamation);
        return std::nullopt;
    }
    return SessionSeries::occurrences(start, repeat, count);
}

bool frmSession::saveSeries(QObject *target, const QVariant &location)
{
    const std::optional<QList<QDate>> dates = repeatDates();
    if (!dates)
        return false;
    QList<SessionSeries::Outcome> planned;
    for (const QDate day : *dates)
        planned.append({day, SessionSeries::reason(conflictOn(day, location))});
    if (std::none_of(planned.cbegin(), planned.cend(), [](const auto &plan) { return plan.refusal.isEmpty(); })) {
        MsgBox::show(SessionSeries::summary(QStringLiteral("Booked"), planned), MsgBox::Exclamation);
        return false;
    }
    if (MsgBox::show(SessionSeries::bookingQuestion(planned), MsgBox::YesNo | MsgBox::Question,
                     QStringLiteral("Book Series"))
        != MsgBox::Yes) {
        return false;
    }
    QList<SessionSeries::Outcome> outcomes;
    SeriesLink series;
    QDate firstDay;
    for (const SessionSeries::Outcome &plan : planned) {
        SessionSeries::Refusal refusal = SessionSeries::Refusal::None;
        if (plan.refusal.isEmpty()) {
            // Every date goes the whole booking road again: another desk may have booked it meanwhile.
            qint32 storedId = 0;
            refusal = book(target, plan.date, location, {series.seriesId, series.position + 1}, storedId);
            if (refusal == SessionSeries::Refusal::None) {
                series = {series.seriesId > 0 ? series.seriesId : storedId, series.position + 1};
                if (!firstDay.isValid())
                    firstDay = plan.date;
            }
        }
        outcomes.append({plan.date, plan.refusal.isEmpty() ? SessionSeries::reason(refusal) : plan.refusal});
    }
    MsgBox::show(SessionSeries::summary(QStringLiteral("Booked"), outcomes), MsgBox::Information,
                 QStringLiteral("Series Booked"));
    if (series.seriesId <= 0)
        return false;
    showFirstOfSeries(series.seriesId, firstDay);
    return true;
}

void frmSession::showFirstOfSeries(qint32 sessionId, QDate day)
{
    SessionControls &ui = d->ui;
    // The dialog goes on with the series' first session: its date, if the first date asked for was refused.
    const std::optional<OleDate> start = SessionTime::dayMonthYear(calendarText(ui.calStartTime));
    const std::optional<OleDate> end = SessionTime::dayMonthYear(calendarText(ui.calEndTime));
    if (start && end && start->date() != day) {
        const qint64 length = start->date().daysTo(end->date());
        setDateTexts(SessionTime::dateText(OleDate::fromDate(day)),
                     SessionTime::dateText(OleDate::fromDate(day.addDays(length))));
    }
    basGeneral::lngSessionID = sessionId;
    showStoredChargeable();
}

void frmSession::showSeriesPlace(DemoConnection &cn)
{
    const std::optional<SeriesStore::Place> place = SeriesStore::placeOf(cn, basGeneral::lngSessionID);
    d->ui.lblSeries->setText(place ? SessionSeries::positionText(place->position, place->total) : QString());
}

void frmSession::repeatChanged()
{
    SessionControls &ui = d->ui;
    const bool repeats = ui.cboRepeat->isEnabled() && repeatKind() != SessionSeries::Repeat::None;
    ui.optRepeatCount->setEnabled(repeats);
    ui.optRepeatUntil->setEnabled(repeats);
    ui.spnRepeatCount->setEnabled(repeats && ui.optRepeatCount->isChecked());
    ui.dtpRepeatUntil->setEnabled(repeats && ui.optRepeatUntil->isChecked());
    const std::optional<OleDate> start = SessionTime::dayMonthYear(calendarText(ui.calStartTime));
    if (repeats && start && ui.dtpRepeatUntil->date() < start->date()) {
        const int step = SessionSeries::stepDays(repeatKind());
        ui.dtpRepeatUntil->setDate(start->date().addDays(qint64(step) * (ui.spnRepeatCount->value() - 1)));
    }
}

} // namespace Sessara
