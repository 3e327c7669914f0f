// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmcases.h"

#include "basgeneral.h"
#include "casestatements.h"
#include "democonnection.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "scheduler.h"
#include "sessionattendees.h"
#include "sessionlistquery.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace OlvarControls;

namespace Sessara {

namespace {

qint32 idOf(const QVariant &value)
{
    return SessionAttendees::identifier(basGeneral::TextOf(value)).value_or(0);
}

} // namespace

struct frmCases::Private
{
    qint32 clientId = 0;
    qint32 sessionId = 0;
    QTreeWidget *cases = nullptr;
    QLineEdit *description = nullptr;
    MultiColumnCombo *caseType = nullptr;
    QPushButton *newCase = nullptr;
    QPushButton *link = nullptr;
};

frmCases::frmCases(qint32 clientId, qint32 sessionId, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    d->clientId = clientId;
    d->sessionId = sessionId;
    setObjectName(QStringLiteral("frmCases"));
    setModal(true);
    setWindowTitle(QStringLiteral("Case Manager"));
    d->cases = new QTreeWidget;
    d->cases->setObjectName(QStringLiteral("lstCases"));
    d->cases->setHeaderLabels({QStringLiteral("Case / Session"), QStringLiteral("Description"), QStringLiteral("Type"),
                               QStringLiteral("Date"), QStringLiteral("Time")});
    d->cases->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    d->description = new QLineEdit;
    d->description->setObjectName(QStringLiteral("txtCaseDescription"));
    d->caseType = new MultiColumnCombo(2, 1);
    d->caseType->setObjectName(QStringLiteral("cboCaseType"));
    d->caseType->addItem(0);
    d->caseType->setList(0, 0, -1);
    d->caseType->setList(0, 1, QStringLiteral("(None)"));
    {
        DemoConnection cn;
        for (DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCaseType order by Description")); !rs.eof();
             rs.moveNext()) {
            const int row = d->caseType->addItem();
            d->caseType->setList(row, 0, rs.value(QStringLiteral("CaseTypeID")));
            d->caseType->setList(row, 1, rs.value(QStringLiteral("Description")));
        }
    }
    d->caseType->setListIndex(0);
    d->newCase = new QPushButton(QStringLiteral("New Case"));
    d->newCase->setObjectName(QStringLiteral("cmdNewCase"));
    d->link = new QPushButton(sessionId > 0 ? QStringLiteral("Link Session ") + QString::number(sessionId)
                                            : QStringLiteral("Link Session"));
    d->link->setObjectName(QStringLiteral("cmdLinkSession"));
    d->link->setEnabled(sessionId > 0);
    auto *close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton *button : {d->newCase, d->link, close})
        button->setAutoDefault(false);
    connect(d->newCase, &QPushButton::clicked, this, &frmCases::newCase);
    connect(d->link, &QPushButton::clicked, this, &frmCases::linkSession);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(d->cases, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("New case")), 1, 0);
    grid->addWidget(d->description, 1, 1);
    grid->addWidget(d->caseType, 1, 2);
    grid->addWidget(d->newCase, 1, 3);
    grid->addWidget(d->link, 2, 0, 1, 2);
    grid->addWidget(close, 2, 3);
    resize(640, 420);
    fill();
}

frmCases::~frmCases() = default;

QTreeWidget *frmCases::lstCases() const
{
    return d->cases;
}
QLineEdit *frmCases::txtCaseDescription() const
{
    return d->description;
}
MultiColumnCombo *frmCases::cboCaseType() const
{
    return d->caseType;
}
QPushButton *frmCases::cmdNewCase() const
{
    return d->newCase;
}
QPushButton *frmCases::cmdLinkSession() const
{
    return d->link;
}

void frmCases::fill(qint32 chosenCase)
{
    d->cases->clear();
    DemoConnection cn;
    for (DemoRecordset rs = cn.read(CaseStatements::casesOf(d->clientId)); !rs.eof(); rs.moveNext()) {
        const qint32 caseId = idOf(rs.value(QStringLiteral("ClientCaseID")));
        auto *caseItem = new QTreeWidgetItem(QStringList{QString::number(caseId),
                                                         basGeneral::TextOf(rs.value(QStringLiteral("Description"))),
                                                         basGeneral::TextOf(rs.value(QStringLiteral("CaseType")))});
        caseItem->setData(0, Qt::UserRole, caseId);
        d->cases->addTopLevelItem(caseItem);
        for (DemoRecordset session = cn.read(CaseStatements::sessionsOf(caseId)); !session.eof(); session.moveNext()) {
            const SessionListQuery::Row row =
                SessionListQuery::row([&session](const QString &column) { return session.value(column); });
            caseItem->addChild(new QTreeWidgetItem(QStringList{QStringLiteral("Session ") + row.id, row.subject,
                                                               SessionListQuery::cancelledMark(row.cancelled), row.date,
                                                               row.start + QStringLiteral(" - ") + row.end}));
        }
        caseItem->setExpanded(true);
        if (caseId == chosenCase)
            d->cases->setCurrentItem(caseItem);
    }
}

qint32 frmCases::chosenCase() const
{
    const QTreeWidgetItem *item = d->cases->currentItem();
    while (item && item->parent())
        item = item->parent();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

qint32 frmCases::newCase()
{
    if (d->description->text().trimmed().isEmpty()) {
        MsgBox::show(QStringLiteral("Enter a description of the case."), MsgBox::Exclamation);
        return 0;
    }
    DemoConnection cn;
    const double today = Scheduler::instance().today().datePart().value();
    if (!cn.execute(
            CaseStatements::newCase(d->clientId, d->description->text(), idOf(d->caseType->chosen(0)), today))) {
        MsgBox::show(QStringLiteral("The case could not be stored."), MsgBox::Exclamation);
        return 0;
    }
    const qint32 caseId = qint32(cn.lastInsertId());
    d->description->clear();
    fill(caseId);
    return caseId;
}

bool frmCases::linkSession()
{
    const qint32 caseId = chosenCase();
    if (d->sessionId <= 0)
        return false;
    if (caseId <= 0) {
        MsgBox::show(QStringLiteral("Choose the case to link the session to."), MsgBox::Information);
        return false;
    }
    DemoConnection cn;
    DemoRecordset linked = cn.read(CaseStatements::caseOfSession(d->sessionId));
    if (!linked.eof()) {
        MsgBox::show(CaseStatements::alreadyLinked(d->sessionId,
                                                   basGeneral::TextOf(linked.value(QStringLiteral("ClientCaseID")))),
                     MsgBox::Information);
        return false;
    }
    linked.close();
    if (!cn.execute(CaseStatements::link(caseId, d->sessionId))) {
        MsgBox::show(QStringLiteral("The session could not be linked."), MsgBox::Exclamation);
        return false;
    }
    fill(caseId);
    return true;
}

} // namespace Sessara
