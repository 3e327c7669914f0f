// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmclient.h"

#include "clientnotices.h"
#include "clientstore.h"
#include "formbuttons.h"
#include "msgbox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPoint>
#include <QPushButton>
#include <QVBoxLayout>

using namespace OlvarControls;

namespace Sessara {

namespace {

QListWidget *choiceList(const char *name, ClientStore::Kind kind)
{
    auto *list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    for (const ClientStore::Choice &choice : ClientStore::choices(kind)) {
        auto *item = new QListWidgetItem(choice.description, list);
        item->setData(Qt::UserRole, choice.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

void check(QListWidget *list, const QList<qint32> &ids)
{
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        item->setCheckState(ids.contains(item->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
    }
}

QList<qint32> checked(const QListWidget *list)
{
    QList<qint32> ids;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            ids << list->item(row)->data(Qt::UserRole).toInt();
    }
    return ids;
}

} // namespace

struct frmClient::Private
{
    qint32 clientId = 0;
    QMap<QString, QLineEdit *> fields;
    QListWidget *ethnicities = nullptr;
    QListWidget *languages = nullptr;
    QPushButton *save = nullptr;
};

frmClient::frmClient(qint32 clientId, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("frmClient"));
    setModal(true);
    build();
    load(clientId);
}

frmClient::~frmClient() = default;

void frmClient::build()
{
    // Two columns: name and contact, details and what the ranking matches, the two addresses.
    const QMap<QString, QPoint> places = {
        {QStringLiteral("Name"), {0, 0}},
        {QStringLiteral("Contact"), {1, 0}},
        {QStringLiteral("Details"), {0, 1}},
        {QStringLiteral("Postal Address"), {0, 2}},
        {QStringLiteral("Physical Address"), {1, 2}},
    };
    auto *groups = new QGridLayout;
    for (const QString &group : ClientRecord::groups()) {
        auto *box = new QGroupBox(group);
        box->setObjectName(QStringLiteral("fra") + QString(group).remove(QLatin1Char(' ')));
        auto *form = new QFormLayout(box);
        for (const ClientRecord::Column &column : ClientRecord::columns()) {
            if (QLatin1String(column.group) != group)
                continue;
            auto *edit = new QLineEdit;
            edit->setObjectName(QStringLiteral("txt") + QLatin1String(column.name));
            if (QLatin1String(column.name) == QLatin1String("FirstContact"))
                edit->setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
            form->addRow(QString::fromUtf8(column.caption), edit);
            d->fields.insert(QLatin1String(column.name), edit);
        }
        const QPoint place = places.value(group);
        groups->addWidget(box, place.y(), place.x());
    }
    d->ethnicities = choiceList("lstEthnecity", ClientStore::Kind::Ethnicities);
    d->languages = choiceList("lstLanguage", ClientStore::Kind::Languages);
    auto *matching = new QGroupBox(QStringLiteral("Ethnicity and Language"));
    matching->setObjectName(QStringLiteral("fraMatching"));
    auto *lists = new QGridLayout(matching);
    lists->addWidget(new QLabel(QStringLiteral("Ethnicity")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Language")), 0, 1);
    lists->addWidget(d->ethnicities, 1, 0);
    lists->addWidget(d->languages, 1, 1);
    groups->addWidget(matching, 1, 1);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);
    for (QListWidget *list : {d->ethnicities, d->languages})
        list->setMinimumHeight(list->sizeHintForRow(0) * 8 + 2 * list->frameWidth());

    QDialogButtonBox *buttons = FormButtons::create(this, QStringLiteral("Save"), QStringLiteral("cmdSave"), d->save);
    connect(d->save, &QPushButton::clicked, this, &frmClient::save);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(groups);
    outer->addWidget(buttons);
}

void frmClient::load(qint32 clientId)
{
    const std::optional<ClientRecord> record = clientId > 0 ? ClientStore::load(clientId) : std::nullopt;
    if (!record) {
        setWindowTitle(QStringLiteral("New Client"));
        return;
    }
    d->clientId = clientId;
    for (auto it = d->fields.cbegin(); it != d->fields.cend(); ++it)
        it.value()->setText(record->value(it.key()));
    check(d->ethnicities, ClientStore::linked(ClientStore::Kind::Ethnicities, clientId));
    check(d->languages, ClientStore::linked(ClientStore::Kind::Languages, clientId));
    setWindowTitle(QStringLiteral("Client ") + QString::number(clientId) + QStringLiteral(": ")
                   + record->displayName());
}

qint32 frmClient::clientId() const
{
    return d->clientId;
}

QLineEdit *frmClient::field(const QString &column) const
{
    return d->fields.value(column);
}

QListWidget *frmClient::lstEthnecity() const
{
    return d->ethnicities;
}

QListWidget *frmClient::lstLanguage() const
{
    return d->languages;
}

QPushButton *frmClient::cmdSave() const
{
    return d->save;
}

bool frmClient::save()
{
    ClientRecord record;
    for (auto it = d->fields.cbegin(); it != d->fields.cend(); ++it)
        record.setValue(it.key(), it.value()->text());
    const QString refusal = record.refusal();
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, MsgBox::Exclamation);
        field(QStringLiteral("LastName"))->setFocus();
        return false;
    }
    const qint32 stored = ClientStore::save(record, d->clientId, checked(d->ethnicities), checked(d->languages));
    if (stored <= 0) {
        MsgBox::show(QStringLiteral("The client could not be stored."), MsgBox::Exclamation);
        return false;
    }
    d->clientId = stored;
    Q_EMIT ClientNotices::instance().clientSaved(stored);
    accept();
    return true;
}

} // namespace Sessara
