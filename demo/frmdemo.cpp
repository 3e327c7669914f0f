// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmdemo.h"

#include "basgeneral.h"
#include "calendar.h"
#include "calendarexportdialog.h"
#include "clientnotices.h"
#include "controlfactory.h"
#include "counsellorranking.h"
#include "democonnection.h"
#include "demolayout.h"
#include "demosettings.h"
#include "formfile.h"
#include "freeslot.h"
#include "frmcases.h"
#include "frmclient.h"
#include "frmfind.h"
#include "frmlookupeditor.h"
#include "frmoptions.h"
#include "frmsession.h"
#include "frmsessionlist.h"
#include "hourlet.h"
#include "listbar.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "periodictimer.h"
#include "practiceupgrade.h"
#include "resumenext.h"
#include "scheduler.h"
#include "schedules.h"
#include "screenareas.h"
#include "sessionlistquery.h"
#include "sessiontime.h"
#include "slotgeometry.h"
#include "startuptips.h"
#include "twips.h"
#include "weekview.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolBar>

#include <map>

using namespace OlvarControls;

namespace Sessara {

namespace {

const QString CalendarsBar = QStringLiteral("Calendars");
const QString MaintenanceBar = QStringLiteral("Maintenace");
const QString CounsellorKeyPrefix = QStringLiteral("Coun");
const QString GeometryKey = QStringLiteral("MainWindow/Geometry");

// The panel as designed, in pixels; the resize rules move and stretch it from there.
constexpr int PanelWidth = 240;
constexpr int LabelHeight = 16;
constexpr int RowHeight = 22;

struct ToolbarButton
{
    const char *caption;
    const char *key;
    const char *toolTip;
    QStyle::StandardPixmap icon;
};

const ToolbarButton toolbarButtons[] = {
    {"Add Client", "AddClient", "Click add a New Client", QStyle::SP_FileDialogNewFolder},
    {"Add Booking", "AddBooking", "Click to add a Counsellor booking", QStyle::SP_FileIcon},
    {"Day View", "Hourlet", "", QStyle::SP_FileDialogDetailedView},
    {"Week View", "WeekView", "", QStyle::SP_FileDialogListView},
    {"View Cases", "ViewCases", "Click to view Case Manager", QStyle::SP_DirOpenIcon},
    {"Resource Schedule", "PreviewSchedule", "Click to preview Shedule", QStyle::SP_FileDialogContentsView},
    {"Location Schedule", "PreviewLocationSchedule", "Click to print Shedule", QStyle::SP_DriveNetIcon},
};

struct MaintenanceItem
{
    const char *key;
    const char *caption;
};

// The maintenance menu's items and the navigation items they stand for.
const MaintenanceItem maintenanceMenu[] = {
    {"mnuMaintenanceSessions", "MainCancelBooking"},   {"mnuMaintenanceCases", "MainCases"},
    {"mnuMaintenanceLocation", "MainLocation"},        {"mnuMaintenanceCaseTypes", "MainCaseType"},
    {"mnuMaintenanceSessionTypes", "MainSessionType"}, {"mnuMaintenanceOptions", "Options"},
};

const MaintenanceItem maintenanceItems[] = {
    {"MainCancelBooking", "Sessions"},   {"MainCases", "Cases"},       {"MainCaseType", "Case Type"},
    {"MainSessionType", "Session Type"}, {"MainLocation", "Location"},
};

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// The session dialog, filled as the double-clicked view gives it, shown modally.
void openSessionDialog(frmDemo &window, const SessionRequest &request)
{
    ResumeNext resume;
    frmSession dialog(&window);
    dialog.SetSelectedDate(request.selectedDate);
    dialog.setViews(window.ZOVudeZozo1(), window.WeekView1());
    // A free slot has no subject of its own; the dialog's default subject for the new session stays.
    if (request.sessionId >= 0 || !request.subject.isEmpty())
        resume([&] { dialog.txtSubject()->setText(request.subject); });
    else
        resume([&] { dialog.ensureLoaded(); });
    resume([&] { dialog.txtAdditionalNotes()->setText(request.additionalNotes); });
    resume([&] { dialog.cboStartTime()->setCurrentText(request.startTime); });
    resume([&] { dialog.cboEndTime()->setCurrentText(request.endTime); });
    resume([&] { dialog.calStartTime()->setText(request.startDate); });
    resume([&] { dialog.calEndTime()->setText(request.endDate); });
    dialog.exec();
    // A session stored, cancelled or deleted shows as it now is in whichever view is shown.
    if (dialog.changedSession())
        window.refreshShownView();
}

OleDate today()
{
    return Scheduler::instance().today();
}

QRect inTwips(const QWidget *widget)
{
    return Twips::fromPixels(widget->geometry());
}

void placeInTwips(QWidget *widget, const QRect &twips)
{
    widget->setGeometry(Twips::toPixels(twips));
}

} // namespace

struct frmDemo::Private
{
    QString programFolder;
    SessionDialogOpener opener;

    QWidget *client = nullptr;
    QToolBar *toolBar = nullptr;
    QLabel *lblCounseller = nullptr;
    QFrame *panel = nullptr;
    QLabel *lblMakeBookingDetails = nullptr;
    QLabel *lblAdditionalOptions = nullptr;
    QLabel *lblCopyright = nullptr;
    ListBar *listBar = nullptr;
    MultiColumnCombo *cboClient = nullptr;
    MultiColumnCombo *cboCounseller = nullptr;
    QComboBox *cboLocation = nullptr;
    QCalendarWidget *monthView = nullptr;

    Hourlet *day = nullptr;
    ControlBase *week = nullptr;
    PeriodicTimer *timer = nullptr;
    bool scrolledAtStart = false;

    // The week view is driven by its published members alone.
    void setWeek(const char *name, const QVariant &value) const
    {
        if (!week)
            throw OleError(ErrorNumber::ObjectNotSet);
        if (!week->setProperty(name, value))
            throw OleError(ErrorNumber::NotSupported);
    }
    void callWeek(const char *method) const
    {
        if (!week)
            throw OleError(ErrorNumber::ObjectNotSet);
        if (!QMetaObject::invokeMethod(week, method))
            throw OleError(ErrorNumber::NotSupported);
    }
    // The week view's selection, which is that of its active column.
    QVariant weekSelectedAppt(int field) const
    {
        if (!week)
            throw OleError(ErrorNumber::ObjectNotSet);
        QVariant value;
        if (!QMetaObject::invokeMethod(week, "GetSelectedAppt", Q_RETURN_ARG(QVariant, value), Q_ARG(int, field)))
            throw OleError(ErrorNumber::NotSupported);
        return value;
    }
    // The day column of the week view that has the focus.
    Hourlet *weekActiveColumn() const
    {
        if (!week)
            throw OleError(ErrorNumber::ObjectNotSet);
        const QVariant active = week->property("ActiveControl");
        auto *column = qobject_cast<Hourlet *>(active.value<QObject *>());
        if (!column)
            column = qobject_cast<Hourlet *>(active.value<QWidget *>());
        if (!column)
            throw OleError(ErrorNumber::ObjectNotSet);
        return column;
    }
};

namespace {

// A bold heading across the panel, at \a y.
QLabel *panelHeading(QWidget *panel, const char *name, const QString &caption, int y)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(text(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Mid);
    label->setIndent(4);
    label->setGeometry(0, y, PanelWidth - 7, 20);
    return label;
}

// One of the panel's field captions, numbered as the form numbers them.
void panelFieldLabel(QWidget *panel, int index, const QString &caption, int x, int y)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(QStringLiteral("lblHourlet"));
    label->setProperty("Index", index);
    label->setGeometry(x, y, 120, LabelHeight);
}

} // namespace

frmDemo::frmDemo(const QString &programFolder)
    : d(std::make_unique<Private>())
{
    d->programFolder = programFolder;
    d->opener = openSessionDialog;
    setObjectName(QStringLiteral("frmDemo"));
    setWindowTitle(caption());
    buildMenus();
    buildClientArea();
    buildBookingPanel();
    buildOptionsPanel();
    placeFormControls();
    initialise();
    load();
    placeOnScreen();
}

void frmDemo::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &frmDemo::mnuFileExit_Click);
    QAction *exportCalendar = new QAction(QStringLiteral("Export Calendar..."), file);
    exportCalendar->setObjectName(QStringLiteral("mnuFileExportCalendar"));
    file->insertAction(exit, exportCalendar);
    connect(exportCalendar, &QAction::triggered, this,
            [this] { CalendarExportDialog(basGeneral::lngCounsellerID, d->monthView->selectedDate(), this).exec(); });
    const auto addMenu = [this](const char *name, const QString &caption,
                                std::initializer_list<std::pair<const char *, const char *>> items) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(text(name));
        for (const auto &[itemName, itemCaption] : items) {
            if (!itemCaption)
                menu->addSeparator()->setObjectName(text(itemName));
            else
                menu->addAction(text(itemCaption))->setObjectName(text(itemName));
        }
        return menu;
    };
    addMenu("mnuView", QStringLiteral("View"),
            {{"mnuViewDay", "Day"},
             {"mnuViewWeek", "Week"},
             {"mnuViewMonth", "Month"},
             {"mnuViewSep1", nullptr},
             {"mnuViewShowTips", "Show Tips at Startup"}});
    addMenu("mnuMaintenance", QStringLiteral("Maintenance"),
            {{"mnuMaintenanceSessions", "Sessions"},
             {"mnuMaintenanceCases", "Cases"},
             {"mnuMaintenanceLocation", "Location"},
             {"mnuMaintenanceCaseTypes", "Case Types"},
             {"mnuMaintenanceSessionTypes", "Session Types"},
             {"mnuMaintenanceSep1", nullptr},
             {"mnuMaintenanceOptions", "Options"}});
    for (const MaintenanceItem &item : maintenanceMenu) {
        const QString key = text(item.caption);
        if (auto *action = menuBar()->findChild<QAction *>(text(item.key)))
            connect(action, &QAction::triggered, this, [this, key] { openMaintenance(key); });
    }
    QAction *about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmDemo::showAbout);
    connect(menuBar()->findChild<QAction *>(QStringLiteral("mnuViewDay")), &QAction::triggered, this,
            [this] { tbToolBar_ButtonClick(QStringLiteral("Hourlet")); });
    connect(menuBar()->findChild<QAction *>(QStringLiteral("mnuViewWeek")), &QAction::triggered, this,
            [this] { tbToolBar_ButtonClick(QStringLiteral("WeekView")); });
    connect(menuBar()->findChild<QAction *>(QStringLiteral("mnuViewMonth")), &QAction::triggered, this,
            &frmDemo::showMonth);
    QAction *tips = menuBar()->findChild<QAction *>(QStringLiteral("mnuViewShowTips"));
    tips->setCheckable(true);
    tips->setChecked(DemoSettings::value(StartupTips::optionKey(), true).toBool());
    connect(tips, &QAction::toggled, this, [](bool on) { DemoSettings::setValue(StartupTips::optionKey(), on); });
}

void frmDemo::buildClientArea()
{
    d->client = new QWidget(this);
    d->client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(d->client);

    d->toolBar = new QToolBar(d->client);
    d->toolBar->setObjectName(QStringLiteral("tbToolBar"));
    d->toolBar->setMovable(false);
    d->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    d->toolBar->setIconSize(QSize(24, 24));
    for (const ToolbarButton &button : toolbarButtons) {
        QAction *action = d->toolBar->addAction(style()->standardIcon(button.icon), text(button.caption));
        const QString key = text(button.key);
        action->setObjectName(key);
        action->setToolTip(text(button.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    d->toolBar->setGeometry(0, 0, 1024, d->toolBar->sizeHint().height());

    d->lblCounseller = new QLabel(d->client);
    d->lblCounseller->setObjectName(QStringLiteral("lblCounseller"));
    QFont nameFont = d->lblCounseller->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    d->lblCounseller->setFont(nameFont);
    d->lblCounseller->setIndent(6);
    d->lblCounseller->setGeometry(0, d->toolBar->height(), 780, 26);
}

void frmDemo::buildBookingPanel()
{
    d->panel = new QFrame(d->client);
    d->panel->setObjectName(QStringLiteral("picHourletDetails"));
    d->panel->setFrameShape(QFrame::StyledPanel);
    d->panel->setGeometry(780, d->toolBar->height(), PanelWidth, 640);
    d->panel->installEventFilter(this);
    d->lblMakeBookingDetails =
        panelHeading(d->panel, "lblMakeBookingDetails", QStringLiteral("New Booking Details"), 0);
    panelFieldLabel(d->panel, 4, QStringLiteral("Client ID"), 6, 26);
    d->cboClient = new MultiColumnCombo(3, 0, d->panel);
    d->cboClient->setObjectName(QStringLiteral("cboClient"));
    d->cboClient->setGeometry(6, 42, 160, RowHeight);
    auto *search = new QPushButton(QStringLiteral("Search"), d->panel);
    search->setObjectName(QStringLiteral("cmdSearchClient"));
    search->setGeometry(170, 42, 62, RowHeight);
    connect(search, &QPushButton::clicked, this, &frmDemo::cmdSearchClient_Click);
    connect(&ClientNotices::instance(), &ClientNotices::clientSaved, this, &frmDemo::refreshClientBox);
    panelFieldLabel(d->panel, 3, QStringLiteral("Counseller ID"), 6, 70);
    d->cboCounseller = new MultiColumnCombo(5, 0, d->panel);
    d->cboCounseller->setObjectName(QStringLiteral("cboCounseller"));
    d->cboCounseller->setGeometry(6, 86, 226, RowHeight);
    panelFieldLabel(d->panel, 0, QStringLiteral("Client Preference"), 6, 114);
    auto *overRide = new QCheckBox(QStringLiteral("Over Ride"), d->panel);
    overRide->setObjectName(QStringLiteral("Check1"));
    overRide->setGeometry(130, 112, 100, 20);
    panelFieldLabel(d->panel, 2, QStringLiteral("Location"), 6, 136);
    d->cboLocation = new QComboBox(d->panel);
    d->cboLocation->setObjectName(QStringLiteral("cboLocation"));
    d->cboLocation->setGeometry(6, 152, 226, RowHeight);
    panelFieldLabel(d->panel, 1, QStringLiteral("Date"), 6, 180);
    d->monthView = new QCalendarWidget(d->panel);
    d->monthView->setObjectName(QStringLiteral("mvwHourlet"));
    d->monthView->setGridVisible(false);
    d->monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    d->monthView->setGeometry(6, 196, 226, 170);
    connect(d->monthView, &QCalendarWidget::clicked, this,
            [this](QDate date) { mvwHourlet_DateClick(OleDate::fromDate(date)); });
    auto *todayButton = new QPushButton(QStringLiteral("Today"), d->panel);
    todayButton->setObjectName(QStringLiteral("cmdToday"));
    todayButton->setGeometry(6, 370, 80, 24);
    connect(todayButton, &QPushButton::clicked, this, &frmDemo::cmdToday_Click);
}

void frmDemo::buildOptionsPanel()
{
    d->lblAdditionalOptions = panelHeading(d->panel, "lblAdditionalOptions", QStringLiteral("Additional Options"), 402);
    d->listBar = new ListBar(d->panel);
    d->listBar->setObjectName(QStringLiteral("lbrBooking"));
    d->listBar->setGeometry(0, 423, PanelWidth - 7, 180);
    d->lblCopyright = new QLabel(d->panel);
    d->lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    QFont small = d->lblCopyright->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    d->lblCopyright->setFont(small);
    d->lblCopyright->setIndent(4);
    d->lblCopyright->setGeometry(0, 620, PanelWidth - 1, LabelHeight);

    // A box's click follows every change of its chosen row, by the user or by code.
    connect(d->cboClient, &QComboBox::currentIndexChanged, this, &frmDemo::cboClient_Click);
    connect(d->cboCounseller, &QComboBox::currentIndexChanged, this, &frmDemo::cboCounseller_Click);
    connect(d->listBar, &ListBar::ItemClick, this, &frmDemo::lbrBooking_ItemClick);
}

void frmDemo::placeFormControls()
{
    ResumeNext resume;
    QList<FormControl> controls;
    resume([&] { controls = FormFile::load(formFileName()); });
    for (const FormControl &control : controls) {
        ControlBase *placed = ControlFactory::create(control.typeName, d->client);
        if (!placed)
            continue; // a control the library does not offer
        placed->setObjectName(control.name);
        placed->hide();
        resume([&] { placed->ReadProperties(control.properties); });
        if (control.name == QStringLiteral("ZOVudeZozo1"))
            d->day = qobject_cast<Hourlet *>(placed);
        else if (control.name == QStringLiteral("WeekView1"))
            d->week = placed;
        else if (control.name == QStringLiteral("PeriodicUpdateDisplay"))
            d->timer = qobject_cast<PeriodicTimer *>(placed);
    }
    // Without its form the window still has its day view and timer, with their defaults.
    if (!d->day) {
        d->day = new Hourlet(d->client);
        d->day->setObjectName(QStringLiteral("ZOVudeZozo1"));
        d->day->InitProperties();
    }
    if (!d->timer) {
        d->timer = new PeriodicTimer(d->client);
        d->timer->setObjectName(QStringLiteral("PeriodicUpdateDisplay"));
        d->timer->InitProperties();
    }
    d->day->setGeometry(0, d->lblCounseller->geometry().bottom() + 1, 780, 600);
    if (d->week)
        d->week->setGeometry(d->day->geometry());
    d->timer->hide(); // a timer has no face at run time
    connect(d->timer, &PeriodicTimer::Timer, this, &frmDemo::PeriodicUpdateDisplay_Timer);
    connect(d->day, &Hourlet::DblClick, this, &frmDemo::ZOVudeZozo1_DblClick);
    if (auto *week = qobject_cast<WeekView *>(d->week))
        connect(week, &WeekView::DblClick, this, &frmDemo::WeekView1_DblClick);
    d->client->installEventFilter(this);
}

void frmDemo::initialise()
{
    ResumeNext resume;
    basGeneral::strConnectionString = basGeneral::ConnectionStringFor(d->programFolder);
    PracticeUpgrade::apply(basGeneral::strConnectionString); // a practice file from an older Sessara
    BuildCboClient();
    resume([&] { d->day->setConnectionString(basGeneral::strConnectionString); });
    resume([&] { d->setWeek("ConnectionString", basGeneral::strConnectionString); });
    resume([&] { d->day->setSelectionHighlight(true); });
    chooseFirstCounsellor();
}

void frmDemo::chooseFirstCounsellor()
{
    ResumeNext resume;
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller"));
    if (cn.isOpen() && !cn.errors().failed() && rs.eof()) {
        MsgBox::show(QStringLiteral("Please make sure that at a minimum one Counselor is entered in your "
                                    "Counserllor records using the "),
                     MsgBox::OkOnly);
        return;
    }
    if (rs.eof())
        return; // no database: nothing to show, and no message
    const QVariant first = basGeneral::ValueOrDefault(rs.value(QStringLiteral("CounsellerID")), 1);
    resume([&] { d->day->setResource(NumberConversion::toInt32(first)); });
    resume([&] { d->setWeek("Resource", NumberConversion::toInt32(first)); });
    resume([&] { basGeneral::lngCounsellerID = NumberConversion::toInt32(first); });
}

void frmDemo::load()
{
    ResumeNext resume;
    d->lblCopyright->setText(legalNotice());
    BuildListBar();
    if (basGeneral::bolWeekView) {
        resume([&] { d->setWeek("ActiveDate", QVariant::fromValue(today())); });
        if (d->week)
            d->week->setVisible(true);
    } else {
        resume([&] { d->day->setActiveDate(today()); });
        d->day->setVisible(true);
    }
    cmdToday_Click();
    setDefaultCounsellerLabel();
    if (d->week)
        d->week->move(d->day->pos());
}

void frmDemo::placeOnScreen()
{
    std::optional<QRect> remembered;
    const QVariant stored = DemoSettings::value(GeometryKey);
    if (stored.canConvert<QRect>() && stored.toRect().isValid())
        remembered = stored.toRect();
    setGeometry(WindowPlacement::place(designSize(), remembered, ScreenAreas::available()));
}

frmDemo::~frmDemo() = default;

QString frmDemo::caption()
{
    return QStringLiteral("Sessara - Alpha");
}

QString frmDemo::formFileName()
{
    return QStringLiteral(":/sessara/frmDemo.frm");
}

QString frmDemo::legalNotice()
{
    return QStringLiteral("Copyright \u00A9 2026 Sessara. All rights reserved.");
}

Hourlet *frmDemo::ZOVudeZozo1() const
{
    return d->day;
}
ControlBase *frmDemo::WeekView1() const
{
    return d->week;
}
PeriodicTimer *frmDemo::PeriodicUpdateDisplay() const
{
    return d->timer;
}
QCalendarWidget *frmDemo::mvwHourlet() const
{
    return d->monthView;
}
ListBar *frmDemo::lbrBooking() const
{
    return d->listBar;
}
QToolBar *frmDemo::tbToolBar() const
{
    return d->toolBar;
}
MultiColumnCombo *frmDemo::cboClient() const
{
    return d->cboClient;
}
MultiColumnCombo *frmDemo::cboCounseller() const
{
    return d->cboCounseller;
}
QComboBox *frmDemo::cboLocation() const
{
    return d->cboLocation;
}
QLabel *frmDemo::lblCounseller() const
{
    return d->lblCounseller;
}
QFrame *frmDemo::picHourletDetails() const
{
    return d->panel;
}

void frmDemo::BuildListBar()
{
    d->listBar->addBar(CalendarsBar, QStringLiteral("Resources"));
    d->listBar->addBar(MaintenanceBar, QStringLiteral("Maintenace"));
    const QIcon person = style()->standardIcon(QStyle::SP_FileDialogInfoView);
    const QIcon tool = style()->standardIcon(QStyle::SP_FileDialogDetailedView);

    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller"));
    for (; !rs.eof(); rs.moveNext()) {
        d->listBar->addItem(CalendarsBar,
                            CounsellorKeyPrefix + basGeneral::TextOf(rs.value(QStringLiteral("CounsellerID"))),
                            basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                                + basGeneral::TextOf(rs.value(QStringLiteral("LastName"))),
                            person);
    }
    rs.close();
    for (const MaintenanceItem &item : maintenanceItems)
        d->listBar->addItem(MaintenanceBar, text(item.key), text(item.caption), tool);
}

void frmDemo::BuildCboClient()
{
    MultiColumnCombo *box = d->cboClient;
    // Filling the list chooses no row: a combo box would choose the first row put into an empty list.
    const int chosen = box->listIndex();
    const QSignalBlocker quiet(box);
    box->addItem(0);
    box->setList(0, 0, -1);
    box->setList(0, 1, QStringLiteral("No Client Selected"));

    DemoConnection cn;
    DemoRecordset rs = cn.readList(QStringLiteral("Select * from tblClient"));
    rs.moveFirst();
    while (!rs.eof()) {
        const int row = box->addItem(rs.absolutePosition());
        box->setList(row, 0, rs.value(QStringLiteral("ClientID")));
        const QVariant last = rs.value(QStringLiteral("LastName"));
        if (!basGeneral::TextOf(last).isEmpty())
            box->setList(row, 1, last);
        const QVariant first = rs.value(QStringLiteral("FirstName"));
        if (!basGeneral::TextOf(first).isEmpty())
            box->setList(row, 2, first);
        const QVariant organisation = rs.value(QStringLiteral("OrganisationName"));
        if (!basGeneral::TextOf(organisation).isEmpty())
            box->setList(row, 1, organisation);
        rs.moveNext();
    }
    rs.close();
    box->setListIndex(chosen);
}

void frmDemo::BuildCboCounseller()
{
    ResumeNext resume;
    QList<RankedCounsellor> ranking;
    resume([&] { ranking = CounsellorRanking::read(basGeneral::strConnectionString, d->cboClient->text()); });
    MultiColumnCombo *box = d->cboCounseller;
    box->clearList();
    // The list filled afresh has no row chosen.
    const QSignalBlocker quiet(box);
    for (const RankedCounsellor &counsellor : ranking) {
        const int row = box->addItem(counsellor.position - 1);
        box->setList(row, 0, counsellor.counsellorId);
        if (!counsellor.lastName.isEmpty())
            box->setList(row, 1, counsellor.lastName);
        if (!counsellor.firstName.isEmpty())
            box->setList(row, 2, counsellor.firstName);
        if (!counsellor.rank.isEmpty())
            box->setList(row, 3, counsellor.rank);
    }
    box->setListIndex(-1);
}

void frmDemo::setDefaultCounsellerLabel()
{
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller where CounsellerID=") + QString::number(1));
    if (!rs.eof()) {
        d->lblCounseller->setText(basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                                  + basGeneral::TextOf(rs.value(QStringLiteral("LastName"))));
    }
    rs.close();
}

void frmDemo::tbToolBar_ButtonClick(const QString &key)
{
    ResumeNext resume;
    const OleDate shown = OleDate::fromDate(d->monthView->selectedDate());
    if (key == QStringLiteral("Hourlet")) {
        d->day->setVisible(true);
        if (d->week)
            d->week->setVisible(false);
        basGeneral::bolWeekView = false;
        resume([&] { d->day->setActiveDate(shown); });
        resume([&] { d->day->setResource(basGeneral::lngCounsellerID); });
        scrollToWorkingDay();
    } else if (key == QStringLiteral("WeekView")) {
        d->day->setVisible(false);
        if (d->week)
            d->week->setVisible(true);
        basGeneral::bolWeekView = true;
        resume([&] { d->setWeek("ActiveDate", QVariant::fromValue(shown)); });
        resume([&] { d->setWeek("Resource", basGeneral::lngCounsellerID); });
        scrollToWorkingDay();
    } else if (key == QStringLiteral("AddClient")) {
        AddClient();
    } else if (key == QStringLiteral("AddBooking")) {
        AddBooking();
    } else if (key == QStringLiteral("ViewCases")) {
        openCases();
    } else if (key == QStringLiteral("PreviewSchedule")) {
        const OleDate day = basGeneral::bolWeekView ? shown : d->day->activeDate();
        Schedules::previewResourceSchedule(this, basGeneral::lngCounsellerID, day, basGeneral::bolWeekView);
    } else if (key == QStringLiteral("PreviewLocationSchedule")) {
        Schedules::previewLocationSchedule(this, shown);
    }
}

void frmDemo::cmdSearchClient_Click()
{
    if (const std::optional<qint32> client = frmFind::choose(FindQuery::Kind::Clients, this))
        chooseClient(*client);
}

void frmDemo::AddClient()
{
    frmClient form(0, this);
    if (form.exec() == QDialog::Accepted && form.clientId() > 0)
        chooseClient(form.clientId());
}

bool frmDemo::chooseClient(qint32 clientId)
{
    MultiColumnCombo *box = d->cboClient;
    for (int row = 0; row < box->count(); ++row) {
        if (basGeneral::TextOf(box->list(row, 0)) == QString::number(clientId)) {
            if (box->listIndex() == row)
                cboClient_Click();
            else
                box->setListIndex(row);
            return true;
        }
    }
    return false;
}

void frmDemo::refreshClientBox()
{
    const QString chosen = basGeneral::TextOf(d->cboClient->chosen(0));
    {
        const QSignalBlocker quiet(d->cboClient);
        d->cboClient->clearList();
        d->cboClient->setListIndex(-1);
    }
    BuildCboClient();
    const QSignalBlocker quiet(d->cboClient);
    for (int row = 0; row < d->cboClient->count() && !chosen.isEmpty(); ++row) {
        if (basGeneral::TextOf(d->cboClient->list(row, 0)) == chosen)
            d->cboClient->setListIndex(row);
    }
}

void frmDemo::lbrBooking_ItemClick(const QString &itemKey, const QString &itemCaption, const QString &barKey)
{
    ResumeNext resume;
    if (barKey == CalendarsBar) {
        // The digits after "Coun"; any other key leaves the counsellor as it was.
        resume([&] {
            if (!itemKey.startsWith(CounsellorKeyPrefix))
                throw OleError(ErrorNumber::TypeMismatch);
            basGeneral::lngCounsellerID = NumberConversion::toInt32(itemKey.mid(CounsellorKeyPrefix.size()));
        });
        resume([&] { d->day->setResource(basGeneral::lngCounsellerID); });
        resume([&] { d->setWeek("Resource", basGeneral::lngCounsellerID); });
        d->lblCounseller->setText(itemCaption);
        resume([&] { d->day->UpdateDisplay(); });
        resume([&] { d->callWeek("UpdateDisplay"); });
    } else if (barKey == MaintenanceBar) {
        openMaintenance(itemKey);
    }
}

void frmDemo::openMaintenance(const QString &itemKey)
{
    const std::map<QString, LookupTable::Kind> lists = {
        {QStringLiteral("MainLocation"), LookupTable::Kind::Locations},
        {QStringLiteral("MainSessionType"), LookupTable::Kind::SessionTypes},
        {QStringLiteral("MainCaseType"), LookupTable::Kind::CaseTypes}};
    if (const auto list = lists.find(itemKey); list != lists.end()) {
        frmLookupEditor(list->second, this).exec();
    } else if (itemKey == QStringLiteral("MainCases")) {
        openCases();
    } else if (itemKey == QStringLiteral("Options")) {
        frmOptions(this).exec();
    } else if (itemKey == QStringLiteral("MainCancelBooking")) {
        frmSessionList sessions(
            basGeneral::lngCounsellerID, d->monthView->selectedDate(),
            [this](qint32 session, qint32 counsellor) { openStoredSession(session, counsellor); }, this);
        sessions.exec();
    }
}

void frmDemo::openCases()
{
    if (basGeneral::lngClientID <= 0) {
        MsgBox::show(QStringLiteral("Choose a client in the Client ID box first."), MsgBox::Information);
        return;
    }
    frmCases(basGeneral::lngClientID, 0, this).exec();
    refreshShownView();
}

void frmDemo::AddBooking()
{
    ResumeNext resume;
    // A slot selected in the shown view is booked as a double-click books it.
    Hourlet *view = d->day;
    if (basGeneral::bolWeekView && !resume([&] { view = d->weekActiveColumn(); }))
        view = nullptr;
    if (view && view->GetSelectedAppt(Hourlet::ad6_ApptTimeStart) != view->GetSelectedAppt(Hourlet::ad7_ApptTimeEnd)) {
        basGeneral::bolWeekView ? WeekView1_DblClick() : ZOVudeZozo1_DblClick();
        return;
    }
    const OleDate now = Scheduler::instance().now();
    QList<FreeSlot::Busy> busy;
    {
        DemoConnection cn;
        const QString select = SessionListQuery::statement(basGeneral::lngCounsellerID, now.date(), now.date());
        for (DemoRecordset rs = cn.read(select); !rs.eof(); rs.moveNext()) {
            const SessionListQuery::Row row =
                SessionListQuery::row([&rs](const QString &column) { return rs.value(column); });
            const std::optional<OleDate> start = SessionTime::timeOfDay(row.start);
            const std::optional<OleDate> end = SessionTime::timeOfDay(row.end);
            if (!row.cancelled && start && end)
                busy << FreeSlot::Busy(start->time(), end->time() == QTime(0, 0) ? QTime(23, 59, 59) : end->time());
        }
    }
    const std::optional<QTime> free = FreeSlot::nextFreeHalfHour(now.time(), busy);
    if (!free) {
        MsgBox::show(QStringLiteral("There is no free half hour left in today's working day."), MsgBox::Information);
        return;
    }
    basGeneral::lngSessionID = -1;
    SessionRequest request = SessionRequest::fromSelection(now.datePart(), -1, QVariant(), QVariant(),
                                                           QVariant::fromValue(OleDate::fromTime(*free)), QVariant());
    request.endTime = SessionTime::timeText(OleDate::fromTime(free->addSecs(30 * 60)));
    if (d->opener)
        resume([&] { d->opener(*this, request); });
}

void frmDemo::showMonth()
{
    const QDate first(d->monthView->yearShown(), d->monthView->monthShown(), 1);
    frmSessionList sessions(
        basGeneral::lngCounsellerID, first,
        [this](qint32 session, qint32 counsellor) { openStoredSession(session, counsellor); }, this);
    sessions.setRange(first, first.addMonths(1).addDays(-1));
    sessions.setWindowTitle(QStringLiteral("Sessions: ") + QLocale().toString(first, QStringLiteral("MMMM yyyy")));
    sessions.exec();
}

void frmDemo::showAbout()
{
    MsgBox::show(QStringLiteral("Sessara ") + QStringLiteral(SESSARA_VERSION)
                     + QStringLiteral("\r\nA counselling practice's booking book.\r\n\r\nOlvar scheduling controls ")
                     + QStringLiteral(OLVAR_VERSION) + QStringLiteral("\r\n") + legalNotice(),
                 MsgBox::Information, QStringLiteral("About Sessara"));
}

void frmDemo::showStartupTip()
{
    if (!DemoSettings::value(StartupTips::optionKey(), true).toBool())
        return;
    const int start = DemoSettings::value(StartupTips::nextKey(), 0).toInt();
    DemoSettings::setValue(StartupTips::nextKey(), start + 1);
    MsgBox::show(StartupTips::forStart(start), MsgBox::Information, QStringLiteral("Tip of the Day"));
}

void frmDemo::openStoredSession(qint32 sessionId, qint32 counsellorId)
{
    ResumeNext resume;
    DemoConnection cn;
    DemoRecordset rs =
        cn.read(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(sessionId));
    if (rs.eof() || !d->opener)
        return;
    OleDate day;
    resume([&] { day = NumberConversion::toDate(rs.value(QStringLiteral("SessionDate"))).datePart(); });
    const SessionRequest request = SessionRequest::fromSelection(
        day, sessionId, rs.value(QStringLiteral("SessionDescription")), rs.value(QStringLiteral("AdditionalNotes")),
        rs.value(QStringLiteral("StartTime")), rs.value(QStringLiteral("EndTime")));
    rs.close();
    // The dialog checks and names the session's counsellor; the window's own comes back afterwards.
    const qint32 shownCounsellor = basGeneral::lngCounsellerID;
    basGeneral::lngCounsellerID = counsellorId;
    basGeneral::lngSessionID = sessionId;
    resume([&] { d->opener(*this, request); });
    basGeneral::lngCounsellerID = shownCounsellor;
    refreshShownView();
}

void frmDemo::mvwHourlet_DateClick(OleDate dateClicked)
{
    ResumeNext resume;
    if (basGeneral::bolWeekView)
        resume([&] { d->setWeek("ActiveDate", QVariant::fromValue(dateClicked)); });
    else
        resume([&] { d->day->setActiveDate(dateClicked); });
}

void frmDemo::cboClient_Click()
{
    ResumeNext resume;
    resume([&] { basGeneral::lngClientID = NumberConversion::toInt32(d->cboClient->chosen(0)); });
    BuildCboCounseller();
}

void frmDemo::cboCounseller_Click()
{
    ResumeNext resume;
    MultiColumnCombo *box = d->cboCounseller;
    if (!box->text().isEmpty()) {
        resume([&] { basGeneral::lngCounsellerID = NumberConversion::toInt32(box->chosen(0)); });
        resume([&] { d->day->setResource(basGeneral::lngCounsellerID); });
        d->lblCounseller->setText(basGeneral::TextOf(box->chosen(2)) + QLatin1Char(' ')
                                  + basGeneral::TextOf(box->chosen(1)));
        resume([&] { d->day->UpdateDisplay(); });
    }
}

void frmDemo::PeriodicUpdateDisplay_Timer()
{
    ResumeNext resume;
    resume([&] { d->day->UpdateDisplay(); });
    d->panel->update();
    d->monthView->update();
    resume([&] { d->timer->setTimerEnabled(false); });
    resume([&] { d->timer->setTimerEnabled(true); });
}

void frmDemo::openSelection(Hourlet *view, const std::function<QVariant()> &selectedId)
{
    ResumeNext resume;
    resume([&] { basGeneral::lngSessionID = NumberConversion::toInt32(selectedId()); });
    const SessionRequest request = SessionRequest::fromSelection(
        view->activeDate(), basGeneral::lngSessionID, view->GetSelectedAppt(Hourlet::ad4_ApptSubject),
        view->GetSelectedAppt(Hourlet::ad5_ApptDetail), view->GetSelectedAppt(Hourlet::ad6_ApptTimeStart),
        view->GetSelectedAppt(Hourlet::ad7_ApptTimeEnd));
    if (d->opener)
        resume([&] { d->opener(*this, request); });
}

void frmDemo::ZOVudeZozo1_DblClick()
{
    Hourlet *view = d->day;
    openSelection(view, [view] { return view->GetSelectedAppt(Hourlet::ad0_ApptID); });
}

void frmDemo::WeekView1_DblClick()
{
    // Without a focused day column there is no session to open; the dialog
    // would otherwise work on whichever session was opened last.
    Hourlet *column = nullptr;
    if (!ResumeNext()([&] { column = d->weekActiveColumn(); }))
        return;
    openSelection(column, [this] { return d->weekSelectedAppt(Hourlet::ad0_ApptID); });
}

void frmDemo::cmdToday_Click()
{
    ResumeNext resume;
    const OleDate now = today();
    d->monthView->setSelectedDate(now.date());
    d->monthView->setCurrentPage(now.date().year(), now.date().month());
    resume([&] { d->day->setActiveDate(now); });
}

void frmDemo::mnuFileExit_Click()
{
    close();
}

void frmDemo::scrollToWorkingDay()
{
    ResumeNext resume;
    if (!basGeneral::bolWeekView)
        resume([&] { d->day->setVScrollValue(qint16(SlotGeometry::InitialScrollValue)); });
    else if (d->week) {
        for (Hourlet *column : d->week->findChildren<Hourlet *>())
            resume([&] { column->setVScrollValue(qint16(SlotGeometry::InitialScrollValue)); });
    }
}

void frmDemo::refreshShownView()
{
    ResumeNext resume;
    if (basGeneral::bolWeekView)
        resume([&] { d->callWeek("UpdateDisplay"); });
    else
        resume([&] { d->day->UpdateDisplay(); });
}

void frmDemo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (d->scrolledAtStart)
        return;
    d->scrolledAtStart = true;
    // After the first layout, which puts the day view at midnight.
    QMetaObject::invokeMethod(this, &frmDemo::scrollToWorkingDay, Qt::QueuedConnection);
}

void frmDemo::closeEvent(QCloseEvent *event)
{
    if (!isMaximized() && !isMinimized() && !isFullScreen())
        DemoSettings::setValue(GeometryKey, geometry());
    QMainWindow::closeEvent(event);
}

void frmDemo::setSessionDialogOpener(SessionDialogOpener opener)
{
    d->opener = opener ? std::move(opener) : SessionDialogOpener(openSessionDialog);
}

void frmDemo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        d->panel->update();
    QMainWindow::changeEvent(event);
}

bool frmDemo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Resize)
        return QMainWindow::eventFilter(watched, event);
    if (watched == d->client) {
        d->toolBar->setGeometry(0, 0, d->client->width(), d->toolBar->sizeHint().height());
        d->panel->hide();
        MainWindowGeometry g;
        g.counsellorLabel = inTwips(d->lblCounseller);
        g.dayView = inTwips(d->day);
        g.weekView = d->week ? inTwips(d->week) : g.dayView;
        g.panel = inTwips(d->panel);
        g = DemoLayout::arrangeWindow(g, Twips::fromPixels(d->client->width()), Twips::fromPixels(d->client->height()),
                                      Twips::fromPixels(d->toolBar->y() + d->toolBar->height()));
        placeInTwips(d->lblCounseller, g.counsellorLabel);
        placeInTwips(d->day, g.dayView);
        if (d->week)
            placeInTwips(d->week, g.weekView);
        placeInTwips(d->panel, g.panel);
        d->panel->show();
    } else if (watched == d->panel) {
        PanelGeometry g;
        g.bookingDetailsLabel = inTwips(d->lblMakeBookingDetails);
        g.additionalOptionsLabel = inTwips(d->lblAdditionalOptions);
        g.listBar = inTwips(d->listBar);
        g.copyrightLabel = inTwips(d->lblCopyright);
        g = DemoLayout::arrangePanel(g, Twips::fromPixels(d->panel->width()), Twips::fromPixels(d->panel->height()));
        placeInTwips(d->lblMakeBookingDetails, g.bookingDetailsLabel);
        placeInTwips(d->lblAdditionalOptions, g.additionalOptionsLabel);
        placeInTwips(d->listBar, g.listBar);
        placeInTwips(d->lblCopyright, g.copyrightLabel);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace Sessara
