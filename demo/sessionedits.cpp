#include "sessionedits.h"

#include "calendar.h"
#include "multicolumncombo.h"
#include "sessioncontrols.h"

#include <QComboBox>
#include <QLineEdit>

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
    return edits;
}

} // namespace Sessara
