#include "sessioncommands.h"

#include "basgeneral.h"
#include "calendar.h"
#include "dateformatter.h"
#include "democonnection.h"
#include "msgbox.h"
#include "resumenext.h"
#include "scheduler.h"
#include "sessioncancellation.h"
#include "sessioncontrols.h"
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
    if (m_ui.cmdCancel->text() == SessionCancellation::cancelCaption())
        cancel();
    else
        uncancel();
}

void SessionCommands::cancel()
{
    const qint32 session = basGeneral::lngSessionID;
    DemoConnection cn;
    DemoRecordset config = cn.read(SessionCancellation::configurationQuery());
    const QVariant minimum = config.eof() ? QVariant() : config.value(QStringLiteral("Value"));
    config.close();
    const SessionCancellation::Verdict verdict = SessionCancellation::check(
        minimum, SessionTime::moment(m_ui.calStartTime->text().toString(), m_ui.cboStartTime->currentText()),
        Scheduler::instance().now());
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

void SessionCommands::uncancel()
{
    const qint32 session = basGeneral::lngSessionID;
    DemoConnection cn;
    if (!cn.execute(SessionCancellation::statement(session, false))) {
        MsgBox::show(QStringLiteral("Session ") + QString::number(session) + QStringLiteral(" could not be un-cancelled."),
                     MsgBox::Exclamation);
        return;
    }
    MsgBox::show(SessionCancellation::done(session, false));
    m_ui.cmdCancel->setText(SessionCancellation::cancelCaption());
}

void SessionCommands::deleteSession()
{
    if (MsgBox::show(QStringLiteral("You have selected the option to delete this session. Do you want to delete this "
                                    "session from the system."),
                     MsgBox::YesNo, QStringLiteral("Delete Session"))
        != MsgBox::Yes) {
        return;
    }
    const SessionView view(m_shownView ? m_shownView() : nullptr);
    ResumeNext resume;
    quint8 deleted = 0;
    resume([&] { deleted = view.DeleteAppointment(basGeneral::lngSessionID); });
    // The week view refreshes its column itself; the day view is told to.
    if (!basGeneral::bolWeekView)
        resume([&] { view.UpdateDisplay(); });
    // A view that could not delete has said why; the session is still there, and so is the dialog.
    if (deleted)
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
        const QString title = start ? QStringLiteral("Change Actual Start Time") : QStringLiteral("Change Actual End Time");
        if (MsgBox::show(prompt, MsgBox::YesNo, title) != MsgBox::Yes)
            return;
    }
    box->setText(DateFormatter::format(Scheduler::instance().now(), QStringLiteral("HH:MM:SS")));
}

} // namespace Sessara
