// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Clients at the front desk: the client form adds and edits them (with their
// ethnicities and languages), the finder finds them as the receptionist types,
// and the client found is the one booked.

#include "basgeneral.h"
#include "findquery.h"
#include "frmclient.h"
#include "frmfind.h"
#include "frmsession.h"
#include "hourlet.h"
#include "mainwindowtesthelpers.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "sessarafixture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmClient;
using Sessara::frmFind;
using namespace SessaraTest;

namespace {

const QDate saturday(2026, 3, 7);

void checkItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    items.first()->setCheckState(Qt::Checked);
}

/* Types \a typed into the open finder and presses Enter; returns the numbers it listed. */
QStringList findAndChoose(const QString &typed)
{
    QStringList listed;
    frmFind *finder = modal<frmFind>();
    if (!finder)
        return listed;
    QTest::keyClicks(finder->txtFind(), typed);
    for (int row = 0; row < finder->lstFound()->topLevelItemCount(); ++row)
        listed << finder->lstFound()->topLevelItem(row)->text(0);
    QTest::keyClick(finder->txtFind(), Qt::Key_Return);
    return listed;
}

class Clients : public SessaraFixture
{
protected:
    void SetUp() override { window = openMainWindow(folder.path()); }
    QString clientField(qint64 id, const char *field)
    {
        return basGeneral::TextOf(first(QStringLiteral("Select * from tblClient where ClientID=") + QString::number(id),
                                        QLatin1String(field)));
    }

    std::unique_ptr<Sessara::frmDemo> window;
};

} // namespace

TEST_F(Clients, AClientAddedIsFoundByPartOfItsNameAndBooked)
{
    const int before = count(QStringLiteral("Select * from tblClient"));
    // "Add Client": the form, filled in and saved.
    QTimer::singleShot(0, [] {
        frmClient *form = modal<frmClient>();
        if (!form)
            return;
        QTest::keyClicks(form->field(QStringLiteral("Salutation")), QStringLiteral("Ms"));
        QTest::keyClicks(form->field(QStringLiteral("FirstName")), QStringLiteral("Niamh"));
        QTest::keyClicks(form->field(QStringLiteral("LastName")), QStringLiteral("O'Sullivan"));
        QTest::keyClicks(form->field(QStringLiteral("Mobile")), QStringLiteral("027 555 9876"));
        QTest::keyClicks(form->field(QStringLiteral("FirstContact")), QStringLiteral("02/03/2026"));
        checkItem(form->lstEthnecity(), QStringLiteral("European"));
        checkItem(form->lstLanguage(), QStringLiteral("English"));
        form->cmdSave()->click();
    });
    window->tbToolBar()->findChild<QAction *>(QStringLiteral("AddClient"))->trigger();
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(count(QStringLiteral("Select * from tblClient")), before + 1);
    const qint64 id =
        first(QStringLiteral("Select max(ClientID) as Id from tblClient"), QStringLiteral("Id")).toLongLong();
    EXPECT_EQ(clientField(id, "LastName"), QStringLiteral("O'Sullivan"));
    EXPECT_EQ(clientField(id, "Mobile"), QStringLiteral("027 555 9876"));
    EXPECT_EQ(first(QStringLiteral("Select * from tblClient where ClientID=") + QString::number(id),
                    QStringLiteral("FirstContact"))
                  .value<OleDate>()
                  .date(),
              QDate(2026, 3, 2));
    EXPECT_EQ(count(QStringLiteral("Select * from tblClientEthnecityLink where ClientID=") + QString::number(id)), 1);
    EXPECT_EQ(count(QStringLiteral("Select * from tblClientLanguageLink where ClientID=") + QString::number(id)), 1);
    // The client box lists the new client, chosen, and the counsellors are ranked for them.
    EXPECT_EQ(basGeneral::lngClientID, id);
    EXPECT_EQ(window->cboClient()->count(), before + 2);
    EXPECT_GT(window->cboCounseller()->count(), 0);

    // Another client is chosen; the finder, typed "sull", finds the new one alone and chooses it.
    window->cboClient()->setListIndex(1);
    ASSERT_NE(basGeneral::lngClientID, id);
    QStringList listed;
    QTimer::singleShot(0, [&] { listed = findAndChoose(QStringLiteral("sull")); });
    window->findChild<QPushButton *>(QStringLiteral("cmdSearchClient"))->click();
    EXPECT_EQ(listed, QStringList{QString::number(id)});
    EXPECT_EQ(basGeneral::lngClientID, id);
    EXPECT_EQ(window->cboClient()->text(), QString::number(id));

    // A free slot booked now is booked for the client found.
    window->mvwHourlet_DateClick(OleDate::fromDate(saturday));
    QString fullName;
    QTimer::singleShot(0, [&] {
        auto *dialog = modal<Sessara::frmSession>();
        if (!dialog)
            return;
        fullName = dialog->control(QStringLiteral("txtFullName"))->property("text").toString();
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdSave")))->click();
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdOk")))->click();
    });
    Hourlet *day = window->ZOVudeZozo1();
    doubleClick(day, QPoint(300, slotRow(20, day->vScrollValue())));
    EXPECT_EQ(fullName, QStringLiteral("Ms Niamh O'Sullivan"));
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_EQ(basGeneral::TextOf(first(QStringLiteral("Select * from tblSession where SessionID=")
                                           + QString::number(basGeneral::lngSessionID),
                                       QStringLiteral("BookedClientID"))),
              QString::number(id));
}

TEST_F(Clients, AClientNeedsALastNameOrAnOrganisationName)
{
    const int before = count(QStringLiteral("Select * from tblClient"));
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        frmClient *form = modal<frmClient>();
        if (!form)
            return;
        QTest::keyClicks(form->field(QStringLiteral("FirstName")), QStringLiteral("Nameless"));
        form->cmdSave()->click();
        stayedOpen = form->isVisible();
        QTest::keyClicks(form->field(QStringLiteral("OrganisationName")), QStringLiteral("Harbour Trust"));
        QTest::keyClicks(form->field(QStringLiteral("FirstContact")), QStringLiteral("31/02/2026"));
        form->cmdSave()->click();
        form->field(QStringLiteral("FirstContact"))->clear();
        QTest::keyClick(form->field(QStringLiteral("FirstContact")), Qt::Key_Return);
    });
    window->AddClient();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().requests().at(0).prompt,
              QStringLiteral("Enter a last name or an organisation name."));
    EXPECT_EQ(OlvarTest::messageBoxes().requests().at(1).prompt,
              QStringLiteral("First Contact must be a date written dd/mm/yyyy."));
    EXPECT_EQ(count(QStringLiteral("Select * from tblClient")), before + 1);
    EXPECT_EQ(window->cboClient()->chosen(1).toString(), QStringLiteral("Harbour Trust"));
}

TEST_F(Clients, EditFromTheSessionDialogChangesTheClientToInvoiceAndKeepsTheirLinks)
{
    // Client 1, Ann Lee, chosen; a free slot opens the dialog with her as the client to invoice.
    ASSERT_TRUE(window->chooseClient(1));
    window->mvwHourlet_DateClick(OleDate::fromDate(saturday));
    QString nameAfter, formCaption;
    QTimer::singleShot(0, [&] {
        auto *dialog = modal<Sessara::frmSession>();
        if (!dialog)
            return;
        QTimer::singleShot(0, [&] {
            frmClient *form = modal<frmClient>();
            if (!form)
                return;
            formCaption = form->windowTitle();
            QLineEdit *last = form->field(QStringLiteral("LastName"));
            last->clear();
            QTest::keyClicks(last, QStringLiteral("Lee-Smith"));
            form->cmdSave()->click();
        });
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdClientEdit")))->click();
        nameAfter = dialog->control(QStringLiteral("txtFullName"))->property("text").toString();
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdOk")))->click();
    });
    Hourlet *day = window->ZOVudeZozo1();
    doubleClick(day, QPoint(300, slotRow(20, day->vScrollValue())));
    EXPECT_EQ(formCaption, QStringLiteral("Client 1: Ann Lee"));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0); // the session's own fields were not touched
    EXPECT_EQ(nameAfter, QStringLiteral("Ms Ann Lee-Smith"));
    EXPECT_EQ(clientField(1, "LastName"), QStringLiteral("Lee-Smith"));
    EXPECT_EQ(clientField(1, "Occupation"), QStringLiteral("Teacher"));
    EXPECT_EQ(count(QStringLiteral("Select * from tblClientLanguageLink where ClientID=1")), 2);
    // The client box shows the new name.
    EXPECT_EQ(window->cboClient()->chosen(1).toString(), QStringLiteral("Lee-Smith"));
}

TEST_F(Clients, TheAttendeeSearchesFillTheirBoxes)
{
    const int session = addSession(saturday, QTime(10, 0), QTime(11, 0), 1, 2);
    basGeneral::lngSessionID = session;
    Sessara::frmSession dialog;
    dialog.ensureLoaded();
    QStringList byPhone, byNumber;
    QTimer::singleShot(0, [&] { byPhone = findAndChoose(QStringLiteral("555 0104")); });
    qobject_cast<QPushButton *>(dialog.control(QStringLiteral("cmdSearchCounsellerAdendee")))->click();
    EXPECT_EQ(byPhone, QStringList{QStringLiteral("4")});
    EXPECT_EQ(dialog.control(QStringLiteral("txtCounsellerAttendeeAdd"))->property("text").toString(),
              QStringLiteral("4"));

    QTimer::singleShot(0, [&] { byNumber = findAndChoose(QStringLiteral("7")); });
    qobject_cast<QPushButton *>(dialog.control(QStringLiteral("cmdSearchClientAdendee")))->click();
    ASSERT_FALSE(byNumber.isEmpty());
    EXPECT_TRUE(byNumber.contains(QStringLiteral("7")));
    EXPECT_EQ(dialog.control(QStringLiteral("txtClientAttendeeAdd"))->property("text").toString(), byNumber.first());

    // Cancelled, the finder leaves the box as it was.
    QTimer::singleShot(0, [] {
        if (frmFind *finder = modal<frmFind>())
            finder->reject();
    });
    qobject_cast<QPushButton *>(dialog.control(QStringLiteral("cmdClientSearch")))->click();
    EXPECT_EQ(dialog.control(QStringLiteral("txtBookedClient"))->property("text").toString(), QString());
}

TEST(FindQueryRule, EveryWordTypedMustBeFoundAndApostrophesAreDoubled)
{
    using Sessara::FindQuery;
    const QString select = FindQuery::statement(FindQuery::Kind::Clients, QStringLiteral("  o'con  12 "));
    EXPECT_TRUE(select.contains(QStringLiteral("LastName like '%o''con%'")));
    EXPECT_TRUE(select.contains(QStringLiteral(") and (")));
    EXPECT_TRUE(select.contains(QStringLiteral("ClientID = 12")));
    EXPECT_FALSE(select.contains(QStringLiteral("ClientID = o")));
    EXPECT_EQ(FindQuery::statement(FindQuery::Kind::Counsellors, QString()),
              QStringLiteral("Select * from tblCounseller order by LastName, FirstName"));
}

TEST_F(Clients, TheDropDownListsAreAsWideAsTheirNames)
{
    ASSERT_TRUE(window->chooseClient(1));
    Sessara::MultiColumnCombo *box = window->cboCounseller();
    ASSERT_GT(box->count(), 0);
    box->showPopup();
    auto *list = qobject_cast<QTreeView *>(box->view());
    ASSERT_NE(list, nullptr);
    int shown = 0;
    for (int column = 0; column < 3; ++column) {
        int widest = 0;
        for (int row = 0; row < box->count(); ++row)
            widest = qMax(widest, list->fontMetrics().horizontalAdvance(basGeneral::TextOf(box->list(row, column))));
        EXPECT_GE(list->columnWidth(column), widest) << "column " << column;
        shown += list->columnWidth(column);
    }
    // Number, last name and first name all lie within the open list.
    EXPECT_LE(shown, list->viewport()->width());
    box->hidePopup();
}
