// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessiondialogfixture.h"

#include "basgeneral.h"
#include "calendar.h"
#include "datetext.h"
#include "multicolumncombo.h"
#include "sessiontime.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmSession;

SessionDialogFixture::SessionDialogFixture()
{
    basGeneral::lngCounsellerID = 1;
    basGeneral::lngClientID = 1;
}

frmSession &SessionDialogFixture::open(qint32 sessionId, QTime start, QTime end, QDate day)
{
    dayView = std::make_unique<Hourlet>();
    dayView->setConnectionString(basGeneral::strConnectionString);
    dayView->setResource(basGeneral::lngCounsellerID);
    dayView->setActiveDate(OleDate::fromDate(day));
    dayView->UpdateDisplay();

    basGeneral::lngSessionID = sessionId;
    dialog = std::make_unique<frmSession>();
    dialog->setViews(dayView.get(), nullptr);
    dialog->SetSelectedDate(DateText::general(dayView->activeDate()));
    dialog->cboStartTime()->setCurrentText(Sessara::SessionTime::timeText(OleDate::fromTime(start)));
    dialog->cboEndTime()->setCurrentText(Sessara::SessionTime::timeText(OleDate::fromTime(end)));
    dialog->calStartTime()->setText(QVariant::fromValue(OleDate::fromDate(day)));
    dialog->calEndTime()->setText(QVariant::fromValue(OleDate::fromDate(day)));
    return *dialog;
}

void SessionDialogFixture::choose(const char *box, const QString &text)
{
    auto *combo = qobject_cast<Sessara::MultiColumnCombo *>(dialog->control(QLatin1String(box)));
    ASSERT_NE(combo, nullptr) << box;
    combo->setText(text);
    ASSERT_EQ(combo->text(), text);
}

void SessionDialogFixture::pressSave()
{
    auto *save = qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdSave")));
    ASSERT_NE(save, nullptr);
    save->click();
}

int SessionDialogFixture::sessionCount()
{
    return first(QStringLiteral("Select count(*) as N from tblSession"), QStringLiteral("N")).toInt();
}
