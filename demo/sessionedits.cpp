// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionedits.h"

#include "calendar.h"
#include "multicolumncombo.h"
#include "sessioncontrols.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace Sessara {

SessionEdits SessionEdits::capture(const SessionControls &ui)
{
    SessionEdits edits;
    edits.m_captured = true;
    edits.m_values = {ui.txtSubject->text(),
                      ui.txtAdditionalNotes->text(),
                      ui.calStartTime->text().toString(),
                      ui.calEndTime->text().toString(),
                      ui.cboStartTime->currentText(),
                      ui.cboEndTime->currentText(),
                      QString::number(ui.cboLocation->listIndex()),
                      ui.txtLocation->text(),
                      QString::number(ui.cboSessionType->listIndex()),
                      QString::number(ui.cboClientType->listIndex()),
                      ui.txtBookedClient->text(),
                      ui.txtActualStartTime->text(),
                      ui.txtActualEndTime->text()};
    // A repeat chosen for a new session is an edit too: leaving would drop the series.
    if (ui.cboRepeat->currentIndex() > 0)
        edits.m_values << QString::number(ui.cboRepeat->currentIndex())
                       << (ui.optRepeatCount->isChecked() ? QString::number(ui.spnRepeatCount->value())
                                                          : ui.dtpRepeatUntil->date().toString(Qt::ISODate));
    return edits;
}

} // namespace Sessara
