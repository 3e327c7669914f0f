// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionnotestab.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "numberconversion.h"
#include "resumenext.h"
#include "sessionattendees.h"
#include "sessioncontrols.h"
#include "sessionendnote.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

using namespace OlvarControls;

namespace Sessara {

namespace {

/* The client of the chosen row; 0 for none. */
qint32 chosenClient(const MultiColumnCombo *box)
{
    qint32 client = 0;
    const QVariant id = box->chosen(0);
    if (id.isValid())
        ResumeNext()([&] { client = NumberConversion::toInt32(id); });
    return client;
}

} // namespace

SessionNotesTab::SessionNotesTab(SessionControls &ui, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
{
    connect(ui.cboClientEndNote, &QComboBox::currentIndexChanged, this, &SessionNotesTab::clientChosen);
    connect(ui.tabSession, &QTabWidget::currentChanged, this, &SessionNotesTab::tabChosen);
    ui.txtEndNote->installEventFilter(this);
}

void SessionNotesTab::BuildCboClientEndNote()
{
    MultiColumnCombo *box = m_ui.cboClientEndNote;
    box->clearList();
    DemoConnection cn;
    DemoRecordset rs = cn.readList(SessionEndNote::clientsQuery(basGeneral::lngSessionID));
    // Filling chooses no client: the first row added must not count as chosen.
    const QSignalBlocker quiet(box);
    for (; !rs.eof(); rs.moveNext()) {
        const int row = box->addItem(rs.absolutePosition() - 1);
        box->setList(row, 0, rs.value(QStringLiteral("ClientID")));
        box->setList(row, 1,
                     SessionAttendees::clientName(rs.value(QStringLiteral("OrganisationName")),
                                                  rs.value(QStringLiteral("FirstName")),
                                                  rs.value(QStringLiteral("LastName"))));
        box->setList(row, 2, rs.value(QStringLiteral("FirstName")));
        box->setList(row, 3, rs.value(QStringLiteral("LastName")));
    }
    box->setListIndex(-1);
    rs.close();
}

void SessionNotesTab::clearNote()
{
    m_ui.txtEndNote->clear();
    m_ui.txtLastNameEndNote->clear();
    m_ui.txtFirstNameEndNote->clear();
}

void SessionNotesTab::clientChosen()
{
    clearNote();
    const MultiColumnCombo *box = m_ui.cboClientEndNote;
    if (box->listIndex() < 0)
        return;
    m_endNoteClient = box->text();
    if (const std::optional<QString> note = SessionEndNote::load(chosenClient(box), basGeneral::lngSessionID))
        m_ui.txtEndNote->setPlainText(*note);
}

void SessionNotesTab::tabChosen(int index)
{
    if (m_ui.tabSession->tabText(index) != QLatin1String("Session Notes"))
        return;
    MultiColumnCombo *box = m_ui.cboClientEndNote;
    BuildCboClientEndNote();
    m_ui.txtLastNameEndNote->clear();
    m_ui.txtFirstNameEndNote->clear();
    if (!m_endNoteClient.isEmpty()) {
        box->setText(m_endNoteClient);
        return;
    }
    box->setEnabled(box->count() > 0);
    if (box->count() > 0)
        box->setListIndex(0);
}

void SessionNotesTab::noteLeft()
{
    QPlainTextEdit *edit = m_ui.txtEndNote;
    QString note = edit->toPlainText();
    if (SessionEndNote::isTooLong(note)) {
        MsgBox::show(QStringLiteral("End Note greater than 64 000 characters."), MsgBox::Critical);
        if (MsgBox::show(QStringLiteral("Auto-trim End Note to 64000 characters?"), MsgBox::YesNoCancel) != MsgBox::Yes)
            return;
        note = SessionEndNote::cut(note);
        edit->setPlainText(note);
    }
    const MultiColumnCombo *box = m_ui.cboClientEndNote;
    if (box->listIndex() < 0) {
        MsgBox::show(QStringLiteral("No client present for end note entry. Please assign a client as an attendee for "
                                    "this session."),
                     MsgBox::OkOnly);
        edit->clear();
        return;
    }
    const qint32 client = chosenClient(box);
    if (client <= 0)
        return;
    if (!SessionEndNote::store(client, basGeneral::lngSessionID, note))
        MsgBox::show(QStringLiteral("The end note could not be stored."), MsgBox::Exclamation);
}

bool SessionNotesTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.txtEndNote && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A popup or another window taking the focus is not leaving the note.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            noteLeft();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Sessara
