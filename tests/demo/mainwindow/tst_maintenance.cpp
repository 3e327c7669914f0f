// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The practice's own lists and settings: rooms, session types and case types
// are added, renamed and deleted only while unused; the minimum cancellation
// time is a whole number of hours; the Sessions list shows a counsellor's
// sessions, cancelled ones marked, and opens them.

#include "basgeneral.h"
#include "frmlookupeditor.h"
#include "frmoptions.h"
#include "frmsessionlist.h"
#include "listbar.h"
#include "mainwindowtesthelpers.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "sessarafixture.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmLookupEditor;
using namespace SessaraTest;

namespace {

void choose(frmLookupEditor *editor, const QString &text)
{
    const QList<QListWidgetItem *> items = editor->lstItems()->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    editor->lstItems()->setCurrentItem(items.first());
}

void type(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

class Maintenance : public SessaraFixture
{
protected:
    void SetUp() override { window = openMainWindow(folder.path()); }
    /* Runs \a drive on the modal editor that clicking \a itemKey on the navigation bar opens. */
    void withEditor(const char *itemKey, const std::function<void(frmLookupEditor *)> &drive)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            frmLookupEditor *editor = modal<frmLookupEditor>();
            if (!editor)
                return;
            opened = true;
            drive(editor);
            editor->button(QStringLiteral("Close"))->click();
        });
        ASSERT_TRUE(window->lbrBooking()->clickItem(QStringLiteral("Maintenace"), QLatin1String(itemKey)));
        EXPECT_TRUE(opened);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    int rooms(const QString &name)
    {
        return count(QStringLiteral("Select * from tblLocation where Description='") + name + QStringLiteral("'"));
    }

    std::unique_ptr<Sessara::frmDemo> window;
};

} // namespace

TEST_F(Maintenance, ARoomInUseIsRefusedForDeletionAndAnUnusedOneIsDeleted)
{
    const int uses = count(QStringLiteral("Select * from tblSession where LocationID=1"));
    ASSERT_GT(uses, 0);
    QString title;
    withEditor("MainLocation", [&](frmLookupEditor *editor) {
        title = editor->windowTitle();
        choose(editor, QStringLiteral("Room 1"));
        editor->button(QStringLiteral("Delete"))->click();
        // A new room, renamed, then deleted once the user agrees.
        type(editor->txtDescription(), QStringLiteral("Kids' Room"));
        editor->button(QStringLiteral("Add"))->click();
        type(editor->txtDescription(), QStringLiteral("room 2"));
        editor->button(QStringLiteral("Add"))->click(); // there is one already
        choose(editor, QStringLiteral("Kids' Room"));
        type(editor->txtDescription(), QStringLiteral("Play Room"));
        editor->button(QStringLiteral("Rename"))->click();
        choose(editor, QStringLiteral("Play Room"));
        OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
        editor->button(QStringLiteral("Delete"))->click();
    });
    EXPECT_EQ(title, QStringLiteral("Location"));
    const QList<MessageBoxRequest> &boxes = OlvarTest::messageBoxes().requests();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes.at(0).prompt,
              QStringLiteral("\"Room 1\" cannot be deleted: it is used by ") + QString::number(uses)
                  + QStringLiteral(" sessions (tblSession)."));
    EXPECT_EQ(boxes.at(1).prompt, QStringLiteral("\"room 2\" is in the list already."));
    EXPECT_EQ(boxes.at(2).prompt, QStringLiteral("Delete \"Play Room\"?"));
    EXPECT_EQ(rooms(QStringLiteral("Room 1")), 1);
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where LocationID=1")), uses);
    EXPECT_EQ(count(QStringLiteral("Select * from tblLocation")), 4);
}

TEST_F(Maintenance, SessionTypesAndCaseTypesComeFromTheMenuToo)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        frmLookupEditor *editor = modal<frmLookupEditor>();
        if (!editor)
            return;
        opened = editor->windowTitle() == QStringLiteral("Case Types");
        type(editor->txtDescription(), QStringLiteral("Grief"));
        editor->button(QStringLiteral("Add"))->click();
        type(editor->txtDescription(), QString());
        editor->button(QStringLiteral("Add"))->click(); // nothing typed
        editor->button(QStringLiteral("Close"))->click();
    });
    window->menuBar()->findChild<QAction *>(QStringLiteral("mnuMaintenanceCaseTypes"))->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(count(QStringLiteral("Select * from tblCaseType where Description='Grief'")), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Enter a description."));

    // A session type in use: the sample's sessions are mostly counselling.
    withEditor("MainSessionType", [&](frmLookupEditor *editor) {
        choose(editor, QStringLiteral("Counselling"));
        editor->button(QStringLiteral("Delete"))->click();
    });
    EXPECT_TRUE(
        OlvarTest::messageBoxes().last().prompt.startsWith(QStringLiteral("\"Counselling\" cannot be deleted")));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSessionType where Description='Counselling'")), 1);
}

TEST_F(Maintenance, TheMinimumCancellationTimeIsAWholeNumberOfHours)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *options = modal<Sessara::frmOptions>();
        if (!options)
            return;
        shown = options->txtMinimumCancellationTime()->text();
        type(options->txtMinimumCancellationTime(), QStringLiteral("two days"));
        options->cmdSave()->click();
        type(options->txtMinimumCancellationTime(), QStringLiteral("-3"));
        options->cmdSave()->click();
        type(options->txtMinimumCancellationTime(), QStringLiteral("48"));
        QTest::keyClick(options->txtMinimumCancellationTime(), Qt::Key_Return);
    });
    window->menuBar()->findChild<QAction *>(QStringLiteral("mnuMaintenanceOptions"))->trigger();
    EXPECT_EQ(shown, QStringLiteral("24"));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(
        basGeneral::TextOf(first(QStringLiteral("Select * from tblConfig where Description='MinimumCancellationTime'"),
                                 QStringLiteral("Value"))),
        QStringLiteral("48"));
}

TEST_F(Maintenance, TheSessionsListShowsACounsellorsWeekWithCancelledSessionsMarkedAndOpensThem)
{
    const QDate saturday(2026, 3, 7);
    const int kept = addSession(saturday, QTime(9, 0), QTime(10, 0), 2, 1);
    const int cancelled = addSession(saturday, QTime(11, 0), QTime(12, 0), 2, 1, true);
    QList<Sessara::SessionRequest> requests;
    window->setSessionDialogOpener([&](Sessara::frmDemo &, const Sessara::SessionRequest &request) {
        requests << request;
        EXPECT_EQ(basGeneral::lngCounsellerID, 2); // the dialog works for the session's counsellor
    });
    QStringList marks, ids;
    QTimer::singleShot(0, [&] {
        auto *list = modal<Sessara::frmSessionList>();
        if (!list)
            return;
        list->cboCounseller()->setListIndex(1); // James Whitfield, counsellor 2
        for (int row = 0; row < list->lstSessions()->topLevelItemCount(); ++row) {
            ids << list->lstSessions()->topLevelItem(row)->text(0);
            marks << list->lstSessions()->topLevelItem(row)->text(5);
        }
        list->openRow(int(ids.indexOf(QString::number(kept))));
        list->reject();
    });
    ASSERT_TRUE(window->lbrBooking()->clickItem(QStringLiteral("Maintenace"), QStringLiteral("MainCancelBooking")));
    ASSERT_TRUE(ids.contains(QString::number(kept)));
    ASSERT_TRUE(ids.contains(QString::number(cancelled)));
    EXPECT_EQ(marks.at(ids.indexOf(QString::number(cancelled))), QStringLiteral("Cancelled"));
    EXPECT_EQ(marks.at(ids.indexOf(QString::number(kept))), QString());
    EXPECT_EQ(ids.size(),
              count(QStringLiteral("Select * from tblSession s join tblCounsellerSessionLink l on "
                                   "l.SessionID = s.SessionID where l.CounsellerID = 2 and s.SessionDate >= ")
                    + QString::number(OleDate::fromDate(QDate(2026, 3, 2)).value())
                    + QStringLiteral(" and s.SessionDate <= ")
                    + QString::number(OleDate::fromDate(QDate(2026, 3, 8)).value())));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.first().sessionId, kept);
    EXPECT_EQ(requests.first().startTime, QStringLiteral("9:00 am"));
    EXPECT_EQ(requests.first().startDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(basGeneral::lngCounsellerID, 1); // the window's own counsellor again
}
