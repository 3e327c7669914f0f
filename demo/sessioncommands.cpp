// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessioncommands.h"

#include "basgeneral.h"
#include "calendar.h"
#include "dateformatter.h"
#include "democonnection.h"
#include "msgbox.h"
#include "resumenext.h"
#include "scheduler.h"
#include "seriesstore.h"
#include "sessioncancellation.h"
#include "sessioncontrols.h"
#include "sessionseries.h"
#include "sessiontime.h"
#include "sessionview.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

using namespace OlvarControls;

namespace Sessara {

SessionCommands::SessionCommands(SessionControls &ui, QDialog &dialog, std::function<QObject *()> shownView,
                                 QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_dialog(dialog)
    , m_shownView(std::move(shownView))
{
    connect(ui.cmdCancel, &QPushButton::clicked, this, &SessionCommands::cancelOrUncancel);
    connect(ui.cmdDelete, &QPushButton::clicked, this, &SessionCommands::deleteSession);
    for (int index = 0; index < ui.cmdNow.size(); ++index)
        connect(ui.cmdNow[index], &QPushButton::clicked, this, [this, index] { stampNow(index); });
}

void SessionCommands::cancelOrUncancel()
{
    if (m_ui.cmdCancel->text() != SessionCancellation::cancelCaption()) {
        uncancel();
        return;
    }
    switch (askScope(QStringLiteral("Cancel"), QStringLiteral("Cancel Session"))) {
    case Scope::NotInSeries:
    case Scope::OnlyThis:
        cancel();
        break;
    case Scope::ThisAndLater:
        cancelThisAndLater();
        break;
    case Scope::Nothing:
        break;
    }
}

SessionCommands::Scope SessionCommands::askScope(const QString &action, const QString &title) const
{
    {
        DemoConnection cn;
        if (!SeriesStore::placeOf(cn, basGeneral::lngSessionID))
            return Scope::NotInSeries;
    }
    switch (MsgBox::show(SessionSeries::scopeQuestion(action), MsgBox::YesNoCancel | MsgBox::Question, title)) {
    case MsgBox::Yes:
        return Scope::OnlyThis;
    case MsgBox::No:
        return Scope::ThisAndLater;
    default:
        return Scope::Nothing;
    }
}

QVariant SessionCommands::minimumNotice(DemoConnection &cn)
{
    DemoRecordset config = cn.read(SessionCancellation::configurationQuery());
    const QVariant minimum = config.eof() ? QVariant() : config.value(QStringLiteral("Value"));
    config.close();
    return minimum;
}

std::optional<OleDate> SessionCommands::shownStart() const
{
    return SessionTime::moment(m_ui.calStartTime->text().toString(), m_ui.cboStartTime->currentText());
}

void SessionCommands::cancel()
{
    const qint32 session = basGeneral::lngSessionID;
    DemoConnection cn;
    const QVariant minimum = minimumNotice(cn);
    const SessionCancellation::Verdict verdict =
        SessionCancellation::check(minimum, shownStart(), Scheduler::instance().now());
    if (verdict != SessionCancellation::Verdict::Allowed) {
        MsgBox::show(SessionCancellation::refusal(verdict, minimum), SessionCancellation::refusalIcon(verdict));
        return;
    }
    if (!cn.execute(SessionCancellation::statement(session, true))) {
        MsgBox::show(QStringLiteral("Session ") + QString::number(session) + QStringLiteral(" could not be cancelled."),
                     MsgBox::Exclamation);
        return;
    }
    MsgBox::show(SessionCancellation::done(session, true), MsgBox::OkOnly);
    m_ui.cmdCancel->setText(SessionCancellation::uncancelCaption());
}

void SessionCommands::cancelThisAndLater()
{
    const qint32 session = basGeneral::lngSessionID;
    DemoConnection cn;
    const QVariant minimum = minimumNotice(cn);
    const OleDate now = Scheduler::instance().now();
    // Without a configured notice nothing is cancelled, whatever the dates: the rule looks at that first.
    const SessionCancellation::Verdict none = SessionCancellation::Verdict::NoConfiguration;
    if (SessionCancellation::check(minimum, std::nullopt, now) == none) {
        MsgBox::show(SessionCancellation::refusal(none, minimum), SessionCancellation::refusalIcon(none));
        return;
    }
    QList<SessionSeries::Outcome> outcomes;
    for (const SeriesStore::Member &member : SeriesStore::thisAndLater(cn, session)) {
        // This session starts as the dialog shows it; the later ones as they are stored.
        const std::optional<OleDate> start = member.sessionId == session ? shownStart() : member.start;
        const QDate day = start ? start->date() : QDate();
        const SessionCancellation::Verdict verdict = SessionCancellation::check(minimum, start, now);
        if (verdict != SessionCancellation::Verdict::Allowed)
            outcomes.append({day, SessionCancellation::refusal(verdict, minimum)});
        else if (!cn.execute(SessionCancellation::statement(member.sessionId, true)))
            outcomes.append({day, QStringLiteral("it could not be cancelled")});
        else
            outcomes.append({day, QString()});
        if (member.sessionId == session && outcomes.last().refusal.isEmpty())
            m_ui.cmdCancel->setText(SessionCancellation::uncancelCaption());
    }
    MsgBox::show(SessionSeries::summary(QStringLiteral("Cancelled"), outcomes), MsgBox::Information,
                 QStringLiteral("Cancel Session"));
}

void SessionCommands::uncancel()
{
    const qint32 session = basGeneral::lngSessionID;
    DemoConnection cn;
    if (!cn.execute(SessionCancellation::statement(session, false))) {
        MsgBox::show(QStringLiteral("Session ") + QString::number(session)
                         + QStringLiteral(" could not be un-cancelled."),
                     MsgBox::Exclamation);
        return;
    }
    MsgBox::show(SessionCancellation::done(session, false));
    m_ui.cmdCancel->setText(SessionCancellation::cancelCaption());
}

void SessionCommands::deleteSession()
{
    // In a series, the question of which sessions is the question whether to delete.
    const Scope scope = askScope(QStringLiteral("Delete"), QStringLiteral("Delete Session"));
    if (scope == Scope::Nothing)
        return;
    if (scope == Scope::ThisAndLater) {
        deleteThisAndLater();
        return;
    }
    if (scope == Scope::NotInSeries
        && MsgBox::show(QStringLiteral("You have selected the option to delete this session. Do you want to "
                                       "delete this session from the system."),
                        MsgBox::YesNo, QStringLiteral("Delete Session"))
            != MsgBox::Yes) {
        return;
    }
    const bool deleted = deleteThroughView(basGeneral::lngSessionID);
    refreshDayView();
    // A view that could not delete has said why; the session is still there, and so is the dialog.
    if (deleted)
        m_dialog.accept();
}

bool SessionCommands::deleteThroughView(qint32 sessionId) const
{
    const SessionView view(m_shownView ? m_shownView() : nullptr);
    quint8 deleted = 0;
    ResumeNext()([&] { deleted = view.DeleteAppointment(sessionId); });
    if (deleted) {
        DemoConnection cn;
        cn.execute(SeriesStore::unlink(sessionId));
    }
    return deleted != 0;
}

void SessionCommands::refreshDayView() const
{
    // The week view refreshes its column itself; the day view is told to.
    if (!basGeneral::bolWeekView)
        ResumeNext()([&] { SessionView(m_shownView ? m_shownView() : nullptr).UpdateDisplay(); });
}

void SessionCommands::deleteThisAndLater()
{
    const qint32 session = basGeneral::lngSessionID;
    QList<SeriesStore::Member> members;
    {
        DemoConnection cn;
        members = SeriesStore::thisAndLater(cn, session);
    }
    QList<SessionSeries::Outcome> outcomes;
    bool deletedThis = false;
    for (const SeriesStore::Member &member : members) {
        const bool deleted = deleteThroughView(member.sessionId);
        deletedThis = deletedThis || (deleted && member.sessionId == session);
        outcomes.append({member.start ? member.start->date() : QDate(),
                         deleted ? QString() : QStringLiteral("it could not be deleted")});
    }
    refreshDayView();
    MsgBox::show(SessionSeries::summary(QStringLiteral("Deleted"), outcomes), MsgBox::Information,
                 QStringLiteral("Delete Session"));
    if (deletedThis)
        m_dialog.accept();
}

void SessionCommands::stampNow(int index)
{
    const bool start = index == 0;
    QLineEdit *box = start ? m_ui.txtActualStartTime : m_ui.txtActualEndTime;
    if (!box->text().isEmpty()) {
        const QString prompt = start
            ? QStringLiteral("You are about to change the start time. Do you want to change the start time.")
            : QStringLiteral("You are about to change the end time. Do you want to change the end time.");
        const QString title =
            start ? QStringLiteral("Change Actual Start Time") : QStringLiteral("Change Actual End Time");
        if (MsgBox::show(prompt, MsgBox::YesNo, title) != MsgBox::Yes)
            return;
    }
    box->setText(DateFormatter::format(Scheduler::instance().now(), QStringLiteral("HH:MM:SS")));
}

} // namespace Sessara
