// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmsessionlist.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "multicolumncombo.h"
#include "sessionattendees.h"
#include "sessionlistquery.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Sessara {

struct frmSessionList::Private
{
    SessionOpener opener;
    MultiColumnCombo *counsellors = nullptr;
    QDateEdit *from = nullptr;
    QDateEdit *to = nullptr;
    QTreeWidget *sessions = nullptr;
};

frmSessionList::frmSessionList(qint32 counsellorId, QDate day, SessionOpener opener, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    d->opener = std::move(opener);
    setObjectName(QStringLiteral("frmSessionList"));
    setModal(true);
    setWindowTitle(QStringLiteral("Sessions"));
    d->counsellors = new MultiColumnCombo(3, 1, this);
    d->counsellors->setObjectName(QStringLiteral("cboCounseller"));
    {
        DemoConnection cn;
        for (DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller")); !rs.eof(); rs.moveNext()) {
            const int row = d->counsellors->addItem();
            d->counsellors->setList(row, 0, rs.value(QStringLiteral("CounsellerID")));
            const QString name = basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                + basGeneral::TextOf(rs.value(QStringLiteral("LastName")));
            d->counsellors->setList(row, 1, name);
            if (basGeneral::TextOf(rs.value(QStringLiteral("CounsellerID"))) == QString::number(counsellorId))
                d->counsellors->setListIndex(row);
        }
    }
    const QDate monday = day.addDays(1 - day.dayOfWeek());
    const auto dateEdit = [this](const char *name, QDate date) {
        auto *edit = new QDateEdit(date, this);
        edit->setObjectName(QLatin1String(name));
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setCalendarPopup(true);
        connect(edit, &QDateEdit::dateChanged, this, &frmSessionList::fill);
        return edit;
    };
    d->from = dateEdit("dtpFrom", monday);
    d->to = dateEdit("dtpTo", monday.addDays(6));
    d->sessions = new QTreeWidget(this);
    d->sessions->setObjectName(QStringLiteral("lstSessions"));
    d->sessions->setRootIsDecorated(false);
    d->sessions->setHeaderLabels({QStringLiteral("Number"), QStringLiteral("Date"), QStringLiteral("Start"),
                                  QStringLiteral("End"), QStringLiteral("Subject"), QStringLiteral("Cancelled")});
    d->sessions->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(d->sessions, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openRow(d->sessions->indexOfTopLevelItem(item)); });
    connect(d->counsellors, &QComboBox::currentIndexChanged, this, &frmSessionList::fill);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *choice = new QFormLayout;
    choice->addRow(QStringLiteral("Counselor"), d->counsellors);
    auto *range = new QHBoxLayout;
    range->addWidget(d->from);
    range->addWidget(d->to);
    choice->addRow(QStringLiteral("From / To"), range);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(d->sessions);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 420);
    fill();
}

frmSessionList::~frmSessionList() = default;

MultiColumnCombo *frmSessionList::cboCounseller() const
{
    return d->counsellors;
}
QDateEdit *frmSessionList::dtpFrom() const
{
    return d->from;
}
QDateEdit *frmSessionList::dtpTo() const
{
    return d->to;
}
QTreeWidget *frmSessionList::lstSessions() const
{
    return d->sessions;
}

void frmSessionList::setRange(QDate from, QDate to)
{
    {
        const QSignalBlocker quietFrom(d->from);
        const QSignalBlocker quietTo(d->to);
        d->from->setDate(from);
        d->to->setDate(to);
    }
    fill();
}

void frmSessionList::fill()
{
    d->sessions->clear();
    const std::optional<qint32> counsellor =
        SessionAttendees::identifier(basGeneral::TextOf(d->counsellors->chosen(0)));
    if (!counsellor)
        return;
    DemoConnection cn;
    DemoRecordset rs = cn.read(SessionListQuery::statement(*counsellor, d->from->date(), d->to->date()));
    for (; !rs.eof(); rs.moveNext()) {
        const SessionListQuery::Row row =
            SessionListQuery::row([&rs](const QString &column) { return rs.value(column); });
        auto *item = new QTreeWidgetItem(QStringList{row.id, row.date, row.start, row.end, row.subject,
                                                     SessionListQuery::cancelledMark(row.cancelled)});
        if (row.cancelled) {
            for (int column = 0; column < item->columnCount(); ++column)
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
        }
        d->sessions->addTopLevelItem(item);
    }
}

void frmSessionList::openRow(int row)
{
    const QTreeWidgetItem *item = d->sessions->topLevelItem(row);
    const std::optional<qint32> counsellor =
        SessionAttendees::identifier(basGeneral::TextOf(d->counsellors->chosen(0)));
    const std::optional<qint32> session = item ? SessionAttendees::identifier(item->text(0)) : std::nullopt;
    if (!session || !counsellor || !d->opener)
        return;
    d->opener(*session, *counsellor);
    fill();
}

} // namespace Sessara
