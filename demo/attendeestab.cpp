// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "attendeestab.h"

#include "basgeneral.h"
#include "calendar.h"
#include "msgbox.h"
#include "sessioncontrols.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace OlvarControls;

namespace Sessara {

namespace {

void addRow(QTreeWidget *list, const SessionAttendees::Attendee &attendee, bool withStatus)
{
    QStringList columns{attendee.id, attendee.name};
    if (withStatus)
        columns << attendee.status;
    list->addTopLevelItem(new QTreeWidgetItem(columns));
}

} // namespace

AttendeesTab::AttendeesTab(SessionControls &ui, std::function<void()> clientsChanged, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_clientsChanged(std::move(clientsChanged))
{
    connect(ui.cmdAddClientAdendee, &QPushButton::clicked, this, &AttendeesTab::addClient);
    connect(ui.cmdAddCounsellerAdendee, &QPushButton::clicked, this, &AttendeesTab::addCounsellor);
    connect(ui.cmdClientRemove, &QPushButton::clicked, this, &AttendeesTab::removeClient);
    connect(ui.cmdCounsellerRemove, &QPushButton::clicked, this, &AttendeesTab::removeCounsellor);
}

void AttendeesTab::BuildClientAttendee()
{
    for (const SessionAttendees::Attendee &client : SessionAttendees::clients(basGeneral::lngSessionID))
        addRow(m_ui.lstAttendeeClients, client, true);
}

void AttendeesTab::BuildCounsellerAttendee()
{
    if (basGeneral::lngSessionID <= 0)
        return;
    const QList<SessionAttendees::Attendee> counsellors = SessionAttendees::counsellors(basGeneral::lngSessionID);
    m_ui.lstAttendeeCounsellers->clear();
    for (const SessionAttendees::Attendee &counsellor : counsellors)
        addRow(m_ui.lstAttendeeCounsellers, counsellor, false);
}

void AttendeesTab::addClient()
{
    add(SessionAttendees::Group::Clients, m_ui.txtClientAttendeeAdd, m_ui.lstAttendeeClients);
}

void AttendeesTab::addCounsellor()
{
    add(SessionAttendees::Group::Counsellors, m_ui.txtCounsellerAttendeeAdd, m_ui.lstAttendeeCounsellers);
}

void AttendeesTab::add(SessionAttendees::Group group, QLineEdit *typed, QTreeWidget *list)
{
    const QString text = typed->text();
    const bool clients = group == SessionAttendees::Group::Clients;
    const SessionAttendees::Result result = clients
        ? SessionAttendees::addClient(basGeneral::lngSessionID, text)
        : SessionAttendees::addCounsellor(
            basGeneral::lngSessionID, text,
            {m_ui.calStartTime->text().toString(), m_ui.cboStartTime->currentText(), m_ui.cboEndTime->currentText()});
    if (result.outcome != SessionAttendees::Outcome::Added) {
        const QString message = SessionAttendees::message(group, result.outcome, text);
        if (!message.isEmpty())
            MsgBox::show(message, SessionAttendees::messageIcon(result.outcome));
        return;
    }
    addRow(list, result.attendee, clients);
    typed->clear();
    if (clients && m_clientsChanged)
        m_clientsChanged();
}

void AttendeesTab::removeClient()
{
    remove(SessionAttendees::Group::Clients, m_ui.lstAttendeeClients);
}

void AttendeesTab::removeCounsellor()
{
    remove(SessionAttendees::Group::Counsellors, m_ui.lstAttendeeCounsellers);
}

void AttendeesTab::remove(SessionAttendees::Group group, QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *item = selected.first();
    if (MsgBox::show(QStringLiteral("Remove this attendee from the session?"), MsgBox::YesNo | MsgBox::Question)
        != MsgBox::Yes) {
        return;
    }
    switch (SessionAttendees::remove(group, basGeneral::lngSessionID, item->text(0))) {
    case SessionAttendees::Removal::Removed:
        delete item;
        if (group == SessionAttendees::Group::Clients && m_clientsChanged)
            m_clientsChanged();
        break;
    case SessionAttendees::Removal::LastCounsellor:
        MsgBox::show(QStringLiteral("A session keeps at least one counselor. The last counselor is not removed."),
                     MsgBox::Information);
        break;
    case SessionAttendees::Removal::Failed:
        MsgBox::show(QStringLiteral("The attendee could not be removed."), MsgBox::Exclamation);
        break;
    }
}

} // namespace Sessara
