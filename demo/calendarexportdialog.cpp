// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendarexportdialog.h"

#include "basgeneral.h"
#include "calendarexport.h"
#include "democonnection.h"
#include "msgbox.h"
#include "numberconversion.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QPushButton>

using namespace OlvarControls;

namespace Sessara {

namespace {
constexpr int DefaultDays = 27; // four weeks, the first day included
} // namespace

struct CalendarExportDialog::Private
{
    QComboBox *cboCounseller = nullptr;
    QDateEdit *calFrom = nullptr;
    QDateEdit *calTo = nullptr;
};

CalendarExportDialog::CalendarExportDialog(qint32 counsellor, QDate from, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("frmCalendarExport"));
    setWindowTitle(QStringLiteral("Export Calendar"));
    auto *form = new QFormLayout(this);
    d->cboCounseller = new QComboBox(this);
    d->cboCounseller->setObjectName(QStringLiteral("cboCounseller"));
    d->cboCounseller->addItem(QStringLiteral("All Counsellors"), 0);
    DemoConnection cn;
    for (DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller")); !rs.eof(); rs.moveNext()) {
        const QVariant id = rs.value(QStringLiteral("CounsellerID"));
        d->cboCounseller->addItem(basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                                      + basGeneral::TextOf(rs.value(QStringLiteral("LastName"))),
                                  id.toInt());
    }
    d->cboCounseller->setCurrentIndex(std::max(0, d->cboCounseller->findData(counsellor)));
    d->calFrom = new QDateEdit(from, this);
    d->calFrom->setObjectName(QStringLiteral("calFrom"));
    d->calFrom->setCalendarPopup(true);
    d->calTo = new QDateEdit(from.addDays(DefaultDays), this);
    d->calTo->setObjectName(QStringLiteral("calTo"));
    d->calTo->setCalendarPopup(true);
    form->addRow(QStringLiteral("Counsellor:"), d->cboCounseller);
    form->addRow(QStringLiteral("From:"), d->calFrom);
    form->addRow(QStringLiteral("To:"), d->calTo);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *exportButton = buttons->addButton(QStringLiteral("Export"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    form->addRow(buttons);
    connect(exportButton, &QPushButton::clicked, this, &CalendarExportDialog::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CalendarExportDialog::~CalendarExportDialog() = default;

qint32 CalendarExportDialog::counsellor() const
{
    return d->cboCounseller->currentData().toInt();
}

QDate CalendarExportDialog::from() const
{
    return d->calFrom->date();
}

QDate CalendarExportDialog::to() const
{
    return d->calTo->date();
}

bool CalendarExportDialog::exportTo(const QString &fileName)
{
    if (to() < from()) {
        MsgBox::show(QStringLiteral("The last day comes before the first."), MsgBox::OkOnly | MsgBox::Exclamation);
        return false;
    }
    QString error;
    const CalendarExport exporter(basGeneral::strConnectionString);
    if (!exporter.write(fileName, counsellor(), from(), to(), QTimeZone::systemTimeZone(),
                        QDateTime::currentDateTimeUtc(), &error)) {
        MsgBox::show(QStringLiteral("The calendar could not be written: ") + error,
                     MsgBox::OkOnly | MsgBox::Exclamation);
        return false;
    }
    return true;
}

void CalendarExportDialog::exportClicked()
{
    const QString fileName =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export Calendar"), QStringLiteral("sessions.ics"),
                                     QStringLiteral("iCalendar files (*.ics)"));
    if (!fileName.isEmpty() && exportTo(fileName))
        accept();
}

} // namespace Sessara
