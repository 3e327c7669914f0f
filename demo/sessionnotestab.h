// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

namespace Sessara {

class SessionControls;

/*!
    The session dialog's "Session Notes" tab: the closing note of each client
    attending the stored session basGeneral::lngSessionID. Choosing a client
    shows that client's note; leaving the note box stores it.

    The client last chosen is kept while the dialog lives and chosen again
    when the tab is shown again.
*/
class SessionNotesTab : public QObject
{
    Q_OBJECT

public:
    /*! Serves the end-note controls of \a ui and the tab of \a ui's tabSession. */
    explicit SessionNotesTab(SessionControls &ui, QObject *parent = nullptr);

    /*! Lists the session's clients afresh in cboClientEndNote, none chosen. */
    void BuildCboClientEndNote();

    /*! Another client was chosen in cboClientEndNote: shows that client's note. */
    void clientChosen();
    /*! The tab \a index was chosen; only "Session Notes" reacts: the clients are listed again and one chosen. */
    void tabChosen(int index);
    /*! Leaving txtEndNote: stores the note of the chosen client, cutting a note that is too long if the user agrees. */
    void noteLeft();

    /*! The text of the client last chosen; empty before any. */
    QString endNoteClient() const { return m_endNoteClient; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clearNote();

    SessionControls &m_ui;
    QString m_endNoteClient;
};

} // namespace Sessara
