// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionfinders.h"

#include "basgeneral.h"
#include "frmcases.h"
#include "frmclient.h"
#include "frmfind.h"
#include "msgbox.h"
#include "sessionattendees.h"
#include "sessioncontrols.h"

#include <QLineEdit>
#include <QPushButton>

using namespace OlvarControls;

namespace Sessara {

namespace {

/* The finder of \a kind over \a box's window; the number chosen goes into \a box. */
void findInto(FindQuery::Kind kind, QLineEdit *box)
{
    if (const std::optional<qint32> chosen = frmFind::choose(kind, box->window()))
        box->setText(QString::number(*chosen));
}

} // namespace

SessionFinders::SessionFinders(SessionControls &ui, std::function<void()> bookedClientChanged,
                               std::function<void()> casesChanged, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_bookedClientChanged(std::move(bookedClientChanged))
    , m_casesChanged(std::move(casesChanged))
{
    connect(ui.cmdCase, &QPushButton::clicked, this, &SessionFinders::openCases);
    connect(ui.cmdClientSearch, &QPushButton::clicked, this, &SessionFinders::findBookedClient);
    connect(ui.cmdClientEdit, &QPushButton::clicked, this, &SessionFinders::editBookedClient);
    connect(ui.cmdSearchClientAdendee, &QPushButton::clicked, this, &SessionFinders::findClientAttendee);
    connect(ui.cmdSearchCounsellerAdendee, &QPushButton::clicked, this, &SessionFinders::findCounsellorAttendee);
}

void SessionFinders::findBookedClient()
{
    findInto(FindQuery::Kind::Clients, m_ui.txtBookedClient);
}

void SessionFinders::editBookedClient()
{
    const qint32 client = SessionAttendees::identifier(m_ui.txtBookedClient->text()).value_or(0);
    frmClient form(client, m_ui.txtBookedClient->window());
    if (form.exec() != QDialog::Accepted || form.clientId() <= 0)
        return;
    if (form.clientId() != client)
        m_ui.txtBookedClient->setText(QString::number(form.clientId()));
    else if (m_bookedClientChanged)
        m_bookedClientChanged(); // the same client, perhaps renamed
}

void SessionFinders::openCases()
{
    const std::optional<qint32> client = SessionAttendees::identifier(m_ui.txtBookedClient->text());
    if (!client || *client <= 0) {
        MsgBox::show(QStringLiteral("Choose the client to invoice first: the cases are that client's."),
                     MsgBox::Information);
        return;
    }
    frmCases(*client, basGeneral::lngSessionID, m_ui.cmdCase->window()).exec();
    if (m_casesChanged)
        m_casesChanged();
}

void SessionFinders::findClientAttendee()
{
    findInto(FindQuery::Kind::Clients, m_ui.txtClientAttendeeAdd);
}

void SessionFinders::findCounsellorAttendee()
{
    findInto(FindQuery::Kind::Counsellors, m_ui.txtCounsellerAttendeeAdd);
}

} // namespace Sessara
