// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "sessionrequest.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolBar;
QT_END_NAMESPACE

namespace OlvarControls {
class ControlBase;
class Hourlet;
class PeriodicTimer;
} // namespace OlvarControls

namespace Sessara {

class ListBar;
class MultiColumnCombo;

/*!
    Sessara's main window, "Sessara - Alpha": one counsellor's calendar as the
    day view ZOVudeZozo1 or the week view WeekView1 in the same place, the
    right-hand panel with the client and counsellor boxes, the month view and
    the navigation bar, and the refresh timer PeriodicUpdateDisplay.

    The views and the timer are placed by their type names and restored from
    the window's form file. Creating the window runs its initialisation (the
    connection string, the client box, the first counsellor) and its load (the
    navigation bar, today). A double-click on a time in either view opens the
    session dialog for it.

    Every routine runs its statements one by one: a failing statement is
    skipped and the routine goes on.
*/
class frmDemo : public QMainWindow
{
    Q_OBJECT

public:
    /*! Opens the session dialog for a double-clicked time; replaceable for tests. */
    using SessionDialogOpener = std::function<void(frmDemo &window, const SessionRequest &request)>;

    /*!
        The window of the program in \a programFolder, whose database or data-link
        file decides the connection string.
    */
    explicit frmDemo(const QString &programFolder);
    ~frmDemo() override;

    /*! The caption: "Sessara - Alpha". */
    static QString caption();
    /*! The form file the views and the timer are restored from. */
    static QString formFileName();
    /*! The copyright line shown at the foot of the panel. */
    static QString legalNotice();

    // The controls other windows and the tests use.
    OlvarControls::Hourlet *ZOVudeZozo1() const;
    /*! The week view; nullptr when the library offers none. */
    OlvarControls::ControlBase *WeekView1() const;
    OlvarControls::PeriodicTimer *PeriodicUpdateDisplay() const;
    QCalendarWidget *mvwHourlet() const;
    ListBar *lbrBooking() const;
    QToolBar *tbToolBar() const;
    MultiColumnCombo *cboClient() const;
    MultiColumnCombo *cboCounseller() const;
    QComboBox *cboLocation() const;
    QLabel *lblCounseller() const;
    QFrame *picHourletDetails() const;

public Q_SLOTS:
    /*! Fills the navigation bar: a "Resources" bar of counsellors and the maintenance items. */
    void BuildListBar();
    /*! Fills the client box, after its "No Client Selected" row. */
    void BuildCboClient();
    /*! Fills the counsellor box with the counsellors ranked for the chosen client. */
    void BuildCboCounseller();
    /*! Shows counsellor 1's name above the views. */
    void setDefaultCounsellerLabel();

    /*! The handler of a click of the toolbar button \a key. */
    void tbToolBar_ButtonClick(const QString &key);
    /*! The handler of a click of the navigation item \a itemKey with \a itemCaption on the bar \a barKey. */
    void lbrBooking_ItemClick(const QString &itemKey, const QString &itemCaption, const QString &barKey);
    /*! The handler of a click of \a dateClicked in the month view. */
    void mvwHourlet_DateClick(OlvarControls::OleDate dateClicked);
    /*! The handler of a click in the client box. */
    void cboClient_Click();
    /*! The handler of a click in the counsellor box. */
    void cboCounseller_Click();
    /*! The handler of the refresh timer's tick. */
    void PeriodicUpdateDisplay_Timer();
    /*! The handler of a double-click in the day view. */
    void ZOVudeZozo1_DblClick();
    /*! The handler of a double-click in the week view. */
    void WeekView1_DblClick();
    /*! The "Today" button: shows today in the month view and the day view. */
    void cmdToday_Click();
    /*! The "Exit" menu: closes the window, which ends the program. */
    void mnuFileExit_Click();
    /*! "Search" beside the client box: the client chosen in the finder becomes the chosen client. */
    void cmdSearchClient_Click();
    /*! "Add Client": the client form on a new client; once saved, it is the chosen client. */
    void AddClient();
    /*! Chooses client \a clientId in the client box, as a click on its row does; false when it is not listed. */
    bool chooseClient(qint32 clientId);
    /*! Lists the clients afresh in the client box, keeping the client chosen. */
    void refreshClientBox();
    /*!
        Opens the maintenance form of the navigation item \a itemKey
        ("MainLocation", "MainSessionType", "MainCaseType", "MainCancelBooking",
        "MainCases") or of "Options".
    */
    void openMaintenance(const QString &itemKey);
    /*! Opens stored session \a sessionId of counsellor \a counsellorId in the session dialog. */
    void openStoredSession(qint32 sessionId, qint32 counsellorId);
    /*! "View Cases", "Cases": the case manager of the chosen client. */
    void openCases();
    /*!
        "Add Booking": the session dialog for the slot selected in the shown
        view, else for the next free half hour of today's working day.
    */
    void AddBooking();
    /*! "Month": the counsellor's sessions over the month the month view shows. */
    void showMonth();
    /*! "About": the program's name and version and the library's version. */
    void showAbout();
    /*! The tip of this start, while "Show Tips at Startup" is on. */
    void showStartupTip();
    /*! Scrolls the shown day, or every day of the week, to put 07:00 at the top. */
    void scrollToWorkingDay();
    /*! Reads the shown view's sessions again: the day view, or the week view while it is shown. */
    void refreshShownView();

public:
    /*! Replaces the way the session dialog is opened; an empty \a opener puts back the session dialog. */
    void setSessionDialogOpener(SessionDialogOpener opener);

    /*! The size the window is designed for; it opens smaller only on a smaller screen. */
    static QSize designSize() { return QSize(1100, 780); }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's steps, in their order.
    void buildMenus();
    void buildClientArea(); // toolbar and the counsellor's name
    void buildBookingPanel(); // the right-hand panel's booking fields
    void buildOptionsPanel(); // its options bar and legal notice
    void placeFormControls(); // the form file's views and timer, or defaults
    void initialise(); // the practice's connection, client box and first counsellor
    void chooseFirstCounsellor();
    void load(); // today's date in the view the user last chose
    // Opens the session dialog on \a view's selection, whose session number \a selectedId reads.
    void openSelection(OlvarControls::Hourlet *view, const std::function<QVariant()> &selectedId);
    void placeOnScreen();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
