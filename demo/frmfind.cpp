// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmfind.h"

#include "democonnection.h"
#include "formbuttons.h"
#include "sessionattendees.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Sessara {

struct frmFind::Private
{
    FindQuery::Kind kind = FindQuery::Kind::Clients;
    QLineEdit *find = nullptr;
    QTreeWidget *found = nullptr;
    QPushButton *choose = nullptr;
    std::optional<qint32> chosen;
};

frmFind::frmFind(FindQuery::Kind kind, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    d->kind = kind;
    setObjectName(QStringLiteral("frmFind"));
    setModal(true);
    setWindowTitle(FindQuery::caption(kind));

    d->find = new QLineEdit;
    d->find->setObjectName(QStringLiteral("txtFind"));
    d->find->setPlaceholderText(QStringLiteral("Name, organisation, phone or number"));
    d->found = new QTreeWidget;
    d->found->setObjectName(QStringLiteral("lstFound"));
    d->found->setRootIsDecorated(false);
    d->found->setHeaderLabels({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Phone")});
    d->found->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QDialogButtonBox *buttons =
        FormButtons::create(this, QStringLiteral("Choose"), QStringLiteral("cmdChoose"), d->choose);

    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(QStringLiteral("&Find"));
    prompt->setBuddy(d->find);
    layout->addWidget(prompt);
    layout->addWidget(d->find);
    layout->addWidget(d->found);
    layout->addWidget(buttons);
    resize(460, 360);

    connect(d->find, &QLineEdit::textChanged, this, &frmFind::search);
    connect(d->found, &QTreeWidget::itemDoubleClicked, this, &frmFind::chooseCurrent);
    connect(d->choose, &QPushButton::clicked, this, &frmFind::chooseCurrent);
    search(QString());
}

frmFind::~frmFind() = default;

std::optional<qint32> frmFind::choose(FindQuery::Kind kind, QWidget *parent)
{
    frmFind finder(kind, parent);
    if (finder.exec() != QDialog::Accepted)
        return std::nullopt;
    return finder.chosen();
}

QLineEdit *frmFind::txtFind() const
{
    return d->find;
}
QTreeWidget *frmFind::lstFound() const
{
    return d->found;
}
std::optional<qint32> frmFind::chosen() const
{
    return d->chosen;
}

void frmFind::search(const QString &typed)
{
    d->found->clear();
    DemoConnection cn;
    DemoRecordset rs = cn.read(FindQuery::statement(d->kind, typed));
    for (; !rs.eof(); rs.moveNext()) {
        const FindQuery::Match match =
            FindQuery::match(d->kind, [&rs](const QString &column) { return rs.value(column); });
        d->found->addTopLevelItem(new QTreeWidgetItem(QStringList{match.id, match.name, match.phone}));
    }
    if (d->found->topLevelItemCount() > 0)
        d->found->setCurrentItem(d->found->topLevelItem(0));
}

void frmFind::chooseCurrent()
{
    const QTreeWidgetItem *item = d->found->currentItem();
    if (!item)
        return;
    d->chosen = SessionAttendees::identifier(item->text(0));
    if (d->chosen)
        accept();
}

} // namespace Sessara
