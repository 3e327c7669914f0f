// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmcalendar.h"

#include "calendarsharedstate.h"
#include "datenames.h"
#include "datetext.h"
#include "desktop.h"
#include "monthgrid.h"
#include "olevariant.h"
#include "popupgeometry.h"
#include "qtboundary_p.h"
#include "scheduler.h"
#include "twips.h"
#include "windowtimer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace OlvarControls {

namespace {

// The designed geometry, in twips.
constexpr int PopupWidth = 2760;
constexpr QRect FirstCell(40, 600, 255, 255);
constexpr int CellStep = 240;
constexpr int RowStep = 270;
constexpr int InitialsTop = 330;
constexpr int GridWidth = 1800;
constexpr QRect MonthDnRect(30, 45, 240, 240);
constexpr QRect MonthUpRect(PopupWidth - 270, 45, 240, 240);
constexpr QRect CaptionRect(300, 30, PopupWidth - 600, 270);
constexpr QRect MonthListRect(GridWidth + 15, 600, 900, 330);
constexpr QRect YearListRect(GridWidth + 15, 1005, 900, 330);
constexpr int ButtonTop = 2220;
constexpr QSize ButtonSize(645, 330);

constexpr int FirstListedYear = 1899;
constexpr int LastListedYear = 2101;

const QColor FormColor(192, 192, 192);
const QColor SundayColor(255, 0, 0);

frmCalendar *currentPopup = nullptr; // the popup built last, until it goes

QFont popupFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setBold(false);
    return font;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

/* The month a popup opens on: that of the date handed over, else today's. */
OleDate openingMonth(const QVariant &selected)
{
    std::optional<OleDate> date;
    if (selected.metaType() == QMetaType::fromType<OleDate>())
        date = selected.value<OleDate>();
    else if (selected.metaType().id() == QMetaType::QString)
        date = DateText::tryParse(selected.toString());
    else if (!isEmptyVariant(selected) && !isNullVariant(selected) && selected.canConvert<double>())
        date = OleDate(selected.toDouble());
    return date && date->isValid() ? date->datePart() : Scheduler::instance().today();
}

template <typename Widget>
Widget *makeChild(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(Twips::toPixels(twips));
    return widget;
}

QToolButton *makeArrowButton(QWidget *parent, const QString &name, const QRect &twips, Qt::ArrowType arrow)
{
    auto *button = makeChild<QToolButton>(parent, name, twips);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = makeChild<QPushButton>(parent, name, QRect(QPoint(0, ButtonTop), ButtonSize));
    button->setText(caption);
    button->setAutoDefault(false);
    return button;
}

} // namespace

struct frmCalendar::Private
{
    OleDate shownMonth;
    int firstDayOfWeek = 1;
    int step = 0; // the month button held: -1 back, +1 forward, 0 none
    bool closeOnRelease = false;

    QWidget *picCalendar = nullptr;
    QWidget *frame1 = nullptr;
    std::array<QLabel *, MonthGrid::CellCount> cells{};
    std::array<QLabel *, MonthGrid::Columns> initials{};
    QLabel *monthYearLabel = nullptr;
    QComboBox *monthList = nullptr;
    QComboBox *yearList = nullptr;
    QToolButton *monthDn = nullptr;
    QToolButton *monthUp = nullptr;
    QPushButton *btnToday = nullptr;
    QPushButton *btnNone = nullptr;
    WindowTimer *stepTimer = nullptr;
};

frmCalendar::frmCalendar(QWidget *parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
    , d(std::make_unique<Private>())
{
    currentPopup = this;
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Calendar"));
    setFont(popupFont());
    setBackground(this, FormColor);
    d->firstDayOfWeek = OleDate::firstDayOfWeek(QLocale());

    buildChildren();
    placeAgainstOwner();
    fillLists();
    setShownMonth(openingMonth(CalendarSharedState::instance().selectedDate));

    const DateNames names{QLocale()};
    for (int column = 0; column < MonthGrid::Columns; ++column) {
        const QString name = names.dayName(MonthGrid::weekdayOfColumn(column, d->firstDayOfWeek), QLocale::ShortFormat);
        d->initials.at(std::size_t(column))->setText(name.left(1).toUpper());
    }
    for (int index = MonthGrid::sundayColumn(d->firstDayOfWeek); index < MonthGrid::CellCount;
         index += MonthGrid::Columns)
        setTextColor(d->cells.at(std::size_t(index)), SundayColor);

    layOutButtons();
}

frmCalendar::~frmCalendar()
{
    if (currentPopup == this)
        currentPopup = nullptr;
}

frmCalendar *frmCalendar::current()
{
    return currentPopup && currentPopup->isVisible() ? currentPopup : nullptr;
}

void frmCalendar::done(int result)
{
    stopStepping();
    QDialog::done(result);
}

QLabel *frmCalendar::dateLabel(int index) const
{
    return index >= 0 && index < MonthGrid::CellCount ? d->cells.at(std::size_t(index)) : nullptr;
}

void frmCalendar::buildChildren()
{
    d->picCalendar =
        makeChild<QWidget>(this, QStringLiteral("PicCalendar"), QRect(0, 0, PopupWidth, PopupGeometry::CalendarHeight));
    d->frame1 = makeChild<QWidget>(d->picCalendar, QStringLiteral("Frame1"),
                                   QRect(0, 0, GridWidth, PopupGeometry::CalendarHeight));

    for (int index = 0; index < MonthGrid::CellCount; ++index) {
        const int row = index / MonthGrid::Columns;
        const int column = index % MonthGrid::Columns;
        QLabel *cell = makeChild<QLabel>(d->frame1, QStringLiteral("dateLabel%1").arg(index),
                                         FirstCell.translated(column * CellStep, row * RowStep));
        cell->setAlignment(Qt::AlignCenter);
        setBackground(cell, Qt::white);
        cell->installEventFilter(this);
        d->cells.at(std::size_t(index)) = cell;
    }
    for (int column = 0; column < MonthGrid::Columns; ++column) {
        const QRect cellRect = FirstCell.translated(column * CellStep, 0);
        QLabel *initial = makeChild<QLabel>(d->frame1, QStringLiteral("LblWeekNameDay%1").arg(column),
                                            QRect(cellRect.x(), InitialsTop, cellRect.width(), cellRect.height()));
        initial->setAlignment(Qt::AlignCenter);
        setBackground(initial, Qt::white);
        setTextColor(initial, Qt::black);
        d->initials.at(std::size_t(column)) = initial;
    }

    d->monthYearLabel = makeChild<QLabel>(d->picCalendar, QStringLiteral("MonthYearLabel"), CaptionRect);
    d->monthYearLabel->setAlignment(Qt::AlignCenter);
    d->monthYearLabel->setText(QStringLiteral("Month + Year"));

    d->monthList = makeChild<QComboBox>(d->picCalendar, QStringLiteral("MonthList"), MonthListRect);
    d->yearList = makeChild<QComboBox>(d->picCalendar, QStringLiteral("YearList"), YearListRect);
    // The year list shows years beyond its items too; nobody types into it.
    d->yearList->setEditable(true);
    d->yearList->lineEdit()->setReadOnly(true);
    connect(d->monthList, &QComboBox::activated, this, [this](int index) {
        QtBoundary::run(this, "the month list", [this, index] {
            showMonthOf(d->shownMonth.date().year(), d->monthList->itemData(index).toInt());
        });
    });
    connect(d->yearList, &QComboBox::activated, this, [this](int index) {
        QtBoundary::run(this, "the year list", [this, index] {
            showMonthOf(d->yearList->itemData(index).toInt(), d->shownMonth.date().month());
        });
    });

    d->monthDn = makeArrowButton(d->picCalendar, QStringLiteral("MonthDn"), MonthDnRect, Qt::LeftArrow);
    d->monthUp = makeArrowButton(d->picCalendar, QStringLiteral("MonthUp"), MonthUpRect, Qt::RightArrow);
    d->monthDn->installEventFilter(this);
    d->monthUp->installEventFilter(this);
    d->stepTimer = new WindowTimer(this);
    d->stepTimer->setObjectName(QStringLiteral("StepTimer"));
    d->stepTimer->setEnabled(false);
    d->stepTimer->setInterval(StepIntervalMs);
    connect(d->stepTimer, &WindowTimer::Timer, this, [this] { stepMonth(d->step); });

    d->btnToday = makeButton(this, QStringLiteral("btnToday"), QStringLiteral("Today"));
    d->btnNone = makeButton(this, QStringLiteral("btnNone"), QStringLiteral("None"));
    connect(d->btnToday, &QPushButton::clicked, this,
            [this] { QtBoundary::run(this, "Today", [this] { pickToday(); }); });
    connect(d->btnNone, &QPushButton::clicked, this, &frmCalendar::reject);
}

void frmCalendar::placeAgainstOwner()
{
    resize(Twips::toPixels(QSize(PopupWidth, PopupGeometry::HeightWithButtons)));
    const QWidget *owner = CalendarSharedState::instance().owner;
    if (!owner)
        return;
    const QRect ownerRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    const QRect screen = Desktop::instance().screenGeometry(ownerRect.center());
    move(PopupGeometry::position(ownerRect, screen, size()));
}

void frmCalendar::fillLists()
{
    for (int year = FirstListedYear; year <= LastListedYear; ++year)
        d->yearList->addItem(QString::number(year), year);
    for (int month = 1; month <= 12; ++month)
        d->monthList->addItem(QString::number(month), month);
}

void frmCalendar::setShownMonth(OleDate month)
{
    d->shownMonth = month;
    const QDate date = month.date();
    d->monthList->setCurrentIndex(date.month() - 1);
    const int yearItem = d->yearList->findData(date.year());
    d->yearList->setCurrentIndex(yearItem);
    if (yearItem < 0)
        d->yearList->setEditText(QString::number(date.year()));

    d->monthYearLabel->setText(DateNames(QLocale()).monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ')
                               + QString::number(date.year()));
    fillGrid();
}

void frmCalendar::showMonthOf(int year, int month)
{
    if (month >= 1 && month <= 12 && QDate(year, month, 1).isValid())
        setShownMonth(OleDate::fromDate(QDate(year, month, 1)));
}

void frmCalendar::fillGrid()
{
    const QDate shown = d->shownMonth.date();
    const MonthGrid grid(shown.year(), shown.month(), d->firstDayOfWeek, Scheduler::instance().today().date());
    for (int index = 0; index < MonthGrid::CellCount; ++index) {
        const MonthGrid::Cell &cell = grid.cell(index);
        QLabel *label = d->cells.at(std::size_t(index));
        label->setText(cell.caption);
        setBold(label, cell.bold);
        label->setVisible(cell.visible);
    }
}

void frmCalendar::layOutButtons()
{
    const CalendarSharedState &shared = CalendarSharedState::instance();
    if (!shared.todayText.isEmpty())
        d->btnToday->setText(shared.todayText);
    if (!shared.noneText.isEmpty())
        d->btnNone->setText(shared.noneText);

    const PopupGeometry::ButtonLayout layout = PopupGeometry::buttonLayout(shared.showToday, shared.showNone);
    const auto place = [](QPushButton *button, int left) {
        button->setVisible(left >= 0);
        if (left >= 0)
            button->move(Twips::toPixels(left), Twips::toPixels(ButtonTop));
    };
    place(d->btnToday, layout.todayLeft);
    place(d->btnNone, layout.noneLeft);
    d->picCalendar->resize(d->picCalendar->width(), Twips::toPixels(layout.calendarHeight));
    resize(width(), Twips::toPixels(layout.popupHeight));
}

void frmCalendar::stepMonth(int months)
{
    const OleDate next = d->shownMonth.addMonths(months);
    if (months != 0 && next.isValid())
        setShownMonth(next);
}

void frmCalendar::startStepping(int months)
{
    d->step = months;
    stepMonth(months);
    d->stepTimer->setEnabled(true);
}

void frmCalendar::stopStepping()
{
    d->step = 0;
    d->stepTimer->setEnabled(false);
}

void frmCalendar::pickDay(int index)
{
    const QDate shown = d->shownMonth.date();
    const int day = d->cells.at(std::size_t(index))->text().trimmed().toInt();
    CalendarSharedState::instance().selectedDate =
        QVariant::fromValue(OleDate::fromDate(QDate(shown.year(), shown.month(), day)));
    accept();
}

void frmCalendar::pickToday()
{
    CalendarSharedState::instance().selectedDate = QVariant::fromValue(Scheduler::instance().today());
    accept();
}

bool frmCalendar::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if ((!press && !release) || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    // A press that began outside ends with the popup closed, wherever the button comes up.
    if (release && d->closeOnRelease) {
        d->closeOnRelease = false;
        reject();
        return true;
    }

    // Runs under the child's event delivery: nothing may escape into it.
    QtBoundary::run(this, "a click on the month", [this, watched, event, press, release] {
        if (watched == d->monthDn || watched == d->monthUp) {
            if (press)
                startStepping(watched == d->monthUp ? 1 : -1);
            else
                stopStepping();
        } else if (release) {
            auto *cell = qobject_cast<QLabel *>(watched);
            const auto found = std::find(d->cells.begin(), d->cells.end(), cell);
            if (found != d->cells.end()
                && cell->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                pickDay(int(found - d->cells.begin()));
        }
    });
    return QDialog::eventFilter(watched, event);
}

void frmCalendar::mousePressEvent(QMouseEvent *event)
{
    // A press outside closes the popup once the button is released.
    if (!rect().contains(event->position().toPoint())) {
        d->closeOnRelease = true;
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void frmCalendar::mouseReleaseEvent(QMouseEvent *event)
{
    if (d->closeOnRelease && event->buttons() == Qt::NoButton) {
        d->closeOnRelease = false;
        reject();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace OlvarControls
