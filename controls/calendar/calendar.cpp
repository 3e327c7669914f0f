// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendar.h"

#include "calendarsharedstate.h"
#include "controlfactory.h"
#include "dateentrylayout.h"
#include "dateentrytext.h"
#include "datekeyfilter.h"
#include "frmcalendar.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "olevariant.h"
#include "persistedkey_p.h"
#include "propertybag.h"
#include "qtboundary_p.h"
#include "twips.h"
#include "updownarrows.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include <functional>

OLVAR_REGISTER_CONTROL(OlvarControls::Calendar, "OlvarControls.Calendar");

namespace OlvarControls {

namespace {

const QString ValueKey = QStringLiteral("Value");
const QString UpDownVisibleKey = QStringLiteral("UpDownVisible");
const QString TextKey = QStringLiteral("Text");
const QString EnabledKey = QStringLiteral("Enabled");
const QString FontKey = QStringLiteral("Font");
const QString BackColorKey = QStringLiteral("BackColor");
const QString ForeColorKey = QStringLiteral("ForeColor");
const QString BorderStyleKey = QStringLiteral("BorderStyle");
const QString ButtonTodayKey = QStringLiteral("ButtonToday");
const QString ButtonNoneKey = QStringLiteral("ButtonNone");
const QString ButtonTodayTextKey = QStringLiteral("ButtonTodayText");
const QString ButtonNoneTextKey = QStringLiteral("ButtonNoneText");
const QString AlignmentKey = QStringLiteral("Alignment");
const QString CalendarKey = QStringLiteral("Calendar");
const QString DateFormatKey = QStringLiteral("DateFormat");

const QString DefaultDateFormat = QStringLiteral("dd/mm/yyyy");
constexpr OleColor DefaultBackColor = OleColor::system(OleColor::Window);
constexpr OleColor DefaultForeColor = OleColor::system(OleColor::WindowText);
constexpr qint16 FixedSingle = 1;
constexpr QSize DesignedSize(1895, 300); // twips

/* Stores a popup button setting in \a stored and in the program's shared block. */
template <typename T>
void share(T &stored, T CalendarSharedState::*shared, const T &value)
{
    stored = value;
    CalendarSharedState::instance().*shared = value;
}

/* Runs \a handler of a user action; an error is reported the way the platform reports one. */
void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const OleError &error) {
        MsgBox::showFromLibrary(error.messageText(), MsgBox::OkOnly | MsgBox::Critical);
    }
}

/* The text box's alignment as the platform numbers it: 0 left, 1 right, 2 centre. */
qint16 alignmentNumber(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return 1;
    if (alignment & Qt::AlignHCenter)
        return 2;
    return 0;
}

/* Keys that edit or move rather than type a character. */
bool isCommandKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        // Ctrl+C, Ctrl+V and the like; characters typed with AltGr are filtered.
        return (event->modifiers() & Qt::ControlModifier) && !event->text().isEmpty()
            && event->text().at(0).unicode() < 0x20;
    }
}

} // namespace

struct OLVAR_NO_EXPORT Calendar::Private
{
    QLineEdit *txtDate = nullptr;
    UpDownArrows *upDown = nullptr;
    QToolButton *btnDropCalendar = nullptr;

    QVariant dateFormat = DefaultDateFormat;
    QVariant textValue;
    bool upDownVisible = true;
    bool calendarVisible = true;
    bool showToday = true;
    bool showNone = true;
    QString todayText;
    QString noneText;
    bool valueFlag = false;
    OleColor backColor = DefaultBackColor;
    OleColor foreColor = DefaultForeColor;
    QDate shownDate; // the date dateChanged() last reported

    void applyColors()
    {
        QPalette palette = txtDate->palette();
        palette.setColor(QPalette::Base, backColor.toQColor(palette));
        palette.setColor(QPalette::Text, foreColor.toQColor(palette));
        txtDate->setPalette(palette);
    }

    /*! The persisted properties of \a q in the order they are written. */
    QList<PersistedKey> persistedKeys(Calendar *q);
};

QList<PersistedKey> Calendar::Private::persistedKeys(Calendar *q)
{
    const auto shown = [](const QString &key, bool &field, QWidget *widget) {
        return PersistedKey::of<bool>(
            key, true, [&field] { return field; },
            [&field, widget](bool visible) {
                field = visible;
                widget->setVisible(visible);
            });
    };
    PersistedKey font = PersistedKey::of<QFont>(
        FontKey, q->ambientFont(), [this] { return txtDate->font(); },
        [this](const QFont &chosen) { txtDate->setFont(chosen); });
    font.alwaysWritten = true;
    // Written for the host, never read back.
    const PersistedKey alignment{AlignmentKey,
                                 QVariant::fromValue(qint16(0)),
                                 [this] { return QVariant::fromValue(alignmentNumber(txtDate->alignment())); },
                                 {}};
    PersistedKey enabled = PersistedKey::of<bool>(
        EnabledKey, false, [q] { return q->isEnabled(); }, [q](bool value) { q->setEnabled(value); });
    enabled.alwaysWritten = true;
    return {
        PersistedKey::bound(ValueKey, false, valueFlag),
        shown(UpDownVisibleKey, upDownVisible, upDown),
        PersistedKey::bound(TextKey, QVariant(0), textValue),
        enabled,
        font,
        PersistedKey::bound(BackColorKey, DefaultBackColor, backColor),
        PersistedKey::bound(ForeColorKey, DefaultForeColor, foreColor),
        PersistedKey::of<qint16>(
            BorderStyleKey, FixedSingle, [q] { return q->borderStyle(); },
            [this](qint16 border) { txtDate->setFrame(border != 0); }),
        PersistedKey::bound(ButtonTodayKey, true, showToday),
        PersistedKey::bound(ButtonNoneKey, true, showNone),
        PersistedKey::bound(ButtonTodayTextKey, QString(), todayText),
        PersistedKey::bound(ButtonNoneTextKey, QString(), noneText),
        alignment,
        shown(CalendarKey, calendarVisible, btnDropCalendar),
        PersistedKey::bound(DateFormatKey, QVariant(DefaultDateFormat), dateFormat),
    };
}

Calendar::Calendar(QWidget *parent)
    : ControlBase(parent)
    , d(std::make_unique<Private>())
{
    d->txtDate = new QLineEdit(this);
    d->txtDate->setObjectName(QStringLiteral("TxtDate"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    d->txtDate->setFont(font);
    d->txtDate->installEventFilter(this);
    connect(d->txtDate, &QLineEdit::textChanged, this, [this] {
        QtBoundary::run(this, "a text change", [this] {
            propertyChanged(TextKey);
            if (!d->txtDate->isModified()) // assigned, not typed: the date is complete
                noteDate();
        });
    });
    connect(d->txtDate, &QLineEdit::editingFinished, this,
            [this] { QtBoundary::run(this, "a finished edit", [this] { noteDate(); }); });

    d->upDown = new UpDownArrows(this);
    d->upDown->setObjectName(QStringLiteral("UpDown"));
    d->upDown->setAccessibleName(QStringLiteral("Change the date by a day"));
    connect(d->upDown, &UpDownArrows::UpClick, this, [this] { guarded([this] { stepDay(1); }); });
    connect(d->upDown, &UpDownArrows::DownClick, this, [this] { guarded([this] { stepDay(-1); }); });

    d->btnDropCalendar = new QToolButton(this);
    d->btnDropCalendar->setObjectName(QStringLiteral("btnDropCalendar"));
    d->btnDropCalendar->setArrowType(Qt::DownArrow);
    d->btnDropCalendar->setAccessibleName(QStringLiteral("Choose a date"));
    d->btnDropCalendar->setFocusPolicy(Qt::StrongFocus);
    connect(d->btnDropCalendar, &QToolButton::clicked, this, [this] { guarded([this] { dropDown(); }); });

    // Moving the focus away from the control closes its popup.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        frmCalendar *popup = frmCalendar::current();
        if (popup && now && now != this && !isAncestorOf(now) && now != popup && !popup->isAncestorOf(now))
            popup->reject();
    });

    d->textValue = d->txtDate->text();
    d->applyColors();
    setFocusProxy(d->txtDate);
    setMinimumWidth(Twips::toPixels(DateEntryLayout::MinimumWidth));
    resize(Twips::toPixels(DesignedSize));
}

Calendar::~Calendar() = default;

bool Calendar::isUpDownVisible() const
{
    return d->upDownVisible;
}

void Calendar::setUpDownVisible(bool visible)
{
    d->upDown->setVisible(visible);
    d->upDownVisible = visible;
    layOut();
    propertyChanged(UpDownVisibleKey);
}

QVariant Calendar::text() const
{
    return d->txtDate->text();
}

void Calendar::setText(const QVariant &value)
{
    if (!ambientUserMode())
        throw OleError(ErrorNumber::SetNotPermitted);
    const bool empty = isNullVariant(value)
        || (value.metaType().id() == QMetaType::QString && value.toString() == DateEntryText::emptyMask());
    const QString shown = empty ? QString() : DateEntryText::format(value, pattern());
    // Dates are kept the way the property bag stores them.
    const std::optional<OleDate> date = DateEntryText::dateValue(value);
    d->textValue = date ? QVariant::fromValue(*date) : value;
    d->txtDate->setText(shown);
    propertyChanged(TextKey);
}

void Calendar::writeText(const QVariant &value) noexcept
{
    QtBoundary::writeProperty(this, "Text", [this, &value] { setText(value); });
}

QDate Calendar::date() const
{
    const std::optional<OleDate> shown = DateEntryText::read(d->txtDate->text(), pattern());
    return shown ? shown->date() : QDate();
}

void Calendar::setDate(QDate date)
{
    setText(date.isValid() ? QVariant::fromValue(OleDate::fromDate(date)) : QVariant());
}

void Calendar::writeDate(QDate date) noexcept
{
    QtBoundary::writeProperty(this, "date", [this, date] { setDate(date); });
}

void Calendar::noteDate()
{
    const QDate now = date();
    if (now == d->shownDate)
        return;
    d->shownDate = now;
    Q_EMIT dateChanged(now);
}

bool Calendar::isControlEnabled() const
{
    return isEnabled();
}

void Calendar::setControlEnabled(bool enabled)
{
    setEnabled(enabled);
    propertyChanged(EnabledKey);
}

QFont Calendar::textFont() const
{
    return d->txtDate->font();
}

void Calendar::setTextFont(const QFont &font)
{
    d->txtDate->setFont(font);
    propertyChanged(FontKey);
}

OleColor Calendar::backColor() const
{
    return d->backColor;
}

void Calendar::setBackColor(OleColor color)
{
    d->backColor = color;
    d->applyColors();
    propertyChanged(BackColorKey);
}

OleColor Calendar::foreColor() const
{
    return d->foreColor;
}

void Calendar::setForeColor(OleColor color)
{
    d->foreColor = color;
    d->applyColors();
    propertyChanged(ForeColorKey);
}

qint16 Calendar::borderStyle() const
{
    return d->txtDate->hasFrame() ? FixedSingle : 0;
}

void Calendar::setBorderStyle(qint16 style)
{
    if (style != 0 && style != FixedSingle)
        throw OleError(ErrorNumber::InvalidPropertyValue);
    d->txtDate->setFrame(style == FixedSingle);
    propertyChanged(BorderStyleKey);
}

void Calendar::writeBorderStyle(qint16 style) noexcept
{
    QtBoundary::writeProperty(this, "BorderStyle", [this, style] { setBorderStyle(style); });
}

bool Calendar::buttonToday() const
{
    return d->showToday;
}

void Calendar::setButtonToday(bool show)
{
    share(d->showToday, &CalendarSharedState::showToday, show);
    propertyChanged(ButtonTodayKey);
}

bool Calendar::buttonNone() const
{
    return d->showNone;
}

void Calendar::setButtonNone(bool show)
{
    share(d->showNone, &CalendarSharedState::showNone, show);
    propertyChanged(ButtonNoneKey);
}

QString Calendar::buttonTodayText() const
{
    return d->todayText;
}

void Calendar::setButtonTodayText(const QString &text)
{
    share(d->todayText, &CalendarSharedState::todayText, text);
    propertyChanged(ButtonTodayTextKey);
}

QString Calendar::buttonNoneText() const
{
    return d->noneText;
}

void Calendar::setButtonNoneText(const QString &text)
{
    share(d->noneText, &CalendarSharedState::noneText, text);
    propertyChanged(ButtonNoneTextKey);
}

bool Calendar::isCalendarVisible() const
{
    return d->calendarVisible;
}

void Calendar::setCalendar(bool visible)
{
    d->btnDropCalendar->setVisible(visible);
    d->calendarVisible = visible;
    layOut();
    propertyChanged(CalendarKey);
}

QVariant Calendar::dateFormat() const
{
    return d->dateFormat;
}

void Calendar::setDateFormat(const QVariant &pattern)
{
    d->dateFormat = pattern;
    propertyChanged(DateFormatKey);
}

void Calendar::dropDown()
{
    CalendarSharedState &shared = CalendarSharedState::instance();
    shared.owner = this;
    const QString text = d->txtDate->text();
    const std::optional<OleDate> date = DateEntryText::read(text, pattern());
    shared.selectedDate = date ? QVariant::fromValue(*date) : QVariant(text);

    if (!frmCalendar::current()) {
        const QPointer<Calendar> self(this);
        QPointer<frmCalendar> popup = new frmCalendar(this);
        popup->exec();
        delete popup;
        if (!self)
            return; // the host closed the form while the popup was open
    }
    d->txtDate->setText(DateEntryText::format(shared.selectedDate, pattern()));
    d->txtDate->setFocus();
}

void Calendar::InitProperties()
{
    d->upDownVisible = true;
    d->calendarVisible = true;
    d->showToday = true;
    d->showNone = true;
    d->todayText.clear();
    d->noneText.clear();
    d->dateFormat = DefaultDateFormat;
    d->valueFlag = false;
    d->textValue = d->txtDate->text();
}

void Calendar::ReadProperties(const PropertyBag &bag)
{
    PersistedKey::readAll(d->persistedKeys(this), bag);
    d->applyColors();
    shareButtonSettings();

    // A saved form comes back showing the text it was saved with.
    const bool hasText =
        bag.contains(TextKey) && !isNullVariant(d->textValue) && d->textValue != QVariant(DateEntryText::emptyMask());
    d->txtDate->setText(hasText ? DateEntryText::format(d->textValue, pattern()) : QString());
    layOut();
}

void Calendar::WriteProperties(PropertyBag &bag)
{
    PersistedKey::writeAll(d->persistedKeys(this), bag);
}

bool Calendar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->txtDate) {
        if (event->type() == QEvent::KeyPress)
            return filterKey(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                guarded([this] { validate(); });
        }
    }
    return ControlBase::eventFilter(watched, event);
}

void Calendar::resizeEvent(QResizeEvent *event)
{
    ControlBase::resizeEvent(event);
    layOut();
}

bool Calendar::filterKey(QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.isEmpty() || isCommandKey(event))
        return false;
    const QString passed = DateKeyFilter::filter(typed);
    if (passed == typed)
        return false;
    if (!passed.isEmpty())
        d->txtDate->insert(passed);
    return true;
}

void Calendar::validate()
{
    if (!DateEntryText::read(d->txtDate->text(), pattern()))
        d->txtDate->clear();
    noteDate();
}

void Calendar::stepDay(int days)
{
    const std::optional<OleDate> date = DateEntryText::read(d->txtDate->text(), pattern());
    if (!date)
        return;
    const OleDate next = date->addDays(days);
    if (next.isValid())
        d->txtDate->setText(DateEntryText::format(next, pattern()));
}

void Calendar::shareButtonSettings() const
{
    CalendarSharedState &shared = CalendarSharedState::instance();
    shared.showToday = d->showToday;
    shared.showNone = d->showNone;
    shared.todayText = d->todayText;
    shared.noneText = d->noneText;
}

void Calendar::layOut()
{
    try {
        const DateEntryLayout layout(Twips::fromPixels(size()));
        d->txtDate->setGeometry(Twips::toPixels(layout.text()));
        const QRect upDown = Twips::toPixels(layout.upDown());
        const QRect dropButton = Twips::toPixels(layout.dropButton());
        d->upDown->setGeometry(upDown);
        d->btnDropCalendar->setGeometry(dropButton);
        // Keep typed text clear of the buttons over the box's right end.
        const int coveredFrom = d->upDownVisible ? upDown.left() : d->calendarVisible ? dropButton.left() : width();
        d->txtDate->setTextMargins(0, 0, qMax(0, width() - coveredFrom), 0);
    } catch (const OleError &) {
        // A size beyond what twips can count: leave the children where they are.
        QtBoundary::skipped(this, "laying out the children", std::current_exception());
    }
}

QString Calendar::pattern() const
{
    return d->dateFormat.toString();
}

} // namespace OlvarControls
