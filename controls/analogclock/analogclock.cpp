// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "analogclock.h"

#include "alarmschedule.h"
#include "chimeschedule.h"
#include "clockgeometry.h"
#include "clockpanellayout.h"
#include "controlfactory.h"
#include "dialline.h"
#include "dialmarks.h"
#include "dialshape.h"
#include "libraryfolder.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "persistedkey_p.h"
#include "propertybag.h"
#include "qtboundary_p.h"
#include "scheduler.h"
#include "soundservice.h"
#include "stopwatch.h"
#include "twips.h"
#include "windowtimer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <optional>

OLVAR_REGISTER_CONTROL(OlvarControls::AnalogClock, "OlvarControls.AnalogClock");

namespace OlvarControls {

namespace {

const QString BackColorKey = QStringLiteral("BackColor");
const QString BackStyleKey = QStringLiteral("BackStyle");
const QString BorderStyleKey = QStringLiteral("BorderStyle");
const QString AlarmOff = QStringLiteral("ALARM OFF");
const QString AlarmOn = QStringLiteral("ALARM ON");

constexpr OleColor DefaultBackColor = OleColor::system(OleColor::ButtonFace);
constexpr qint16 DefaultBackStyle = 1;
constexpr qint16 DefaultBorderStyle = 0;
constexpr QSize PlacedSize(4800, 3600); // twips

constexpr OleColor White = OleColor(0xFFFFFF);
constexpr OleColor Red = OleColor(0x0000FF);
constexpr OleColor Grey = OleColor(0x808080);

QColor qColor(OleColor color, const QWidget *widget)
{
    return color.toQColor(widget->palette());
}

/* Sets the text colour of \a widget, and its background unless it is transparent. */
void setColors(QWidget *widget, OleColor fore, std::optional<OleColor> back = std::nullopt)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qColor(fore, widget));
    palette.setColor(QPalette::Text, qColor(fore, widget));
    if (back) {
        palette.setColor(QPalette::Window, qColor(*back, widget));
        palette.setColor(QPalette::Base, qColor(*back, widget));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, OleColor fore,
                  std::optional<OleColor> back = std::nullopt)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    // The captions are laid out for a small dialog font: 8 points at 96 dots per inch.
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    setColors(label, fore, back);
    return label;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

WindowTimer *makeTimer(QObject *parent, const QString &name, int interval, bool enabled)
{
    auto *timer = new WindowTimer(parent);
    timer->setObjectName(name);
    timer->setEnabled(false);
    timer->setInterval(interval);
    timer->setEnabled(enabled);
    return timer;
}

DialShape *makeShape(QObject *parent, const QString &name, OleColor border, int width)
{
    auto *shape = new DialShape(parent);
    shape->setObjectName(name);
    shape->setBorder(border, width);
    return shape;
}

DialLine *makeLine(QObject *parent, const QString &name, OleColor color, int width, bool visible = true)
{
    auto *line = new DialLine(color, width, parent);
    line->setObjectName(name);
    line->setVisible(visible);
    return line;
}

QFont boldFont(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

qint16 checkedStyle(qint16 style)
{
    if (style != 0 && style != 1)
        throw OleError(ErrorNumber::InvalidPropertyValue);
    return style;
}

} // namespace

struct OLVAR_NO_EXPORT AnalogClock::Private
{
    explicit Private(AnalogClock *q)
        : q(q)
    {
    }

    AnalogClock *q;

    OleColor backColor = DefaultBackColor;
    qint16 backStyle = DefaultBackStyle;
    qint16 borderStyle = DefaultBorderStyle;

    ClockGeometry geometry;
    DialMarks marks;
    AlarmSchedule alarm;
    ChimeSchedule chimes;
    Stopwatch stopwatch;
    Stopwatch::Reading elapsed;
    bool panelShown = true;
    bool stopwatchRunning = false;
    bool pressed = false;
    int currentHour = 0;
    int currentMinute = 0;
    int currentSecond = 0;

    DialShape *shpCircle1 = nullptr;
    DialShape *shpCircle2 = nullptr;
    DialShape *shpCircle3 = nullptr;
    DialShape *shpCircle4 = nullptr;
    DialLine *linhrs = nullptr;
    DialLine *linmins = nullptr;
    DialLine *linsecs = nullptr;
    DialLine *lintsecs = nullptr;
    DialLine *lintmins = nullptr;
    DialLine *linthours = nullptr;
    std::array<QLabel *, 12> lblNum{};

    QLabel *Label1 = nullptr;
    QLineEdit *txtAlarmTime = nullptr;
    QLabel *lblOnOff = nullptr;
    QCheckBox *chkOnOff = nullptr;
    QLabel *lblChimes = nullptr;
    QLabel *lblHMS = nullptr;
    QCheckBox *chkH = nullptr;
    QCheckBox *chkM = nullptr;
    QCheckBox *chkS = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *cmdTimer = nullptr;
    QLabel *lblTimer = nullptr;

    WindowTimer *timer1 = nullptr;
    WindowTimer *timer2 = nullptr;
    WindowTimer *timer3 = nullptr;
    WindowTimer *timer5 = nullptr;
    WindowTimer *timer6 = nullptr;

    void createDial();
    void createPanel();
    void createTimers();

    QList<QWidget *> panelElements() const
    {
        return {lblOnOff, chkOnOff, lblTimer, cmdTimer,  Label2, chkS,
                chkM,     chkH,     lblHMS,   lblChimes, Label1, txtAlarmTime};
    }

    QSize clientTwips() const { return Twips::fromPixels(q->size()); }

    /* Puts the alarm marker where the hour hand stands at the alarm time; a time that is none stays off the dial. */
    void placeMarker()
    {
        if (const std::optional<int> index = alarm.markerIndex()) {
            const QPoint at = geometry.point(ClockGeometry::TickOuter, *index);
            const QRectF marker = shpCircle3->rect();
            shpCircle3->moveTo(at.x() - marker.width() / 2, at.y() - marker.height() / 2);
        }
    }

    void pointHand(DialLine *hand, ClockGeometry::Table table, int index) const
    {
        hand->setEnds(geometry.centre(), geometry.point(table, index));
    }

    QList<PersistedKey> persistedKeys()
    {
        /* A style other than 0 or 1 reads as the default. */
        const auto styleKey = [](const QString &key, qint16 defaultValue, qint16 &field) {
            return PersistedKey::of<qint16>(
                key, defaultValue, [&field] { return field; },
                [&field, defaultValue](qint16 style) { field = style == 0 || style == 1 ? style : defaultValue; });
        };
        return {
            PersistedKey::bound(BackColorKey, DefaultBackColor, backColor),
            styleKey(BackStyleKey, DefaultBackStyle, backStyle),
            styleKey(BorderStyleKey, DefaultBorderStyle, borderStyle),
        };
    }
};

void AnalogClock::Private::createDial()
{
    shpCircle1 = makeShape(q, QStringLiteral("shpCircle1"), OleColor(0xFF0000), 3);
    shpCircle2 = makeShape(q, QStringLiteral("shpCircle2"), OleColor(0), 1);
    shpCircle2->setFill(OleColor(0));
    shpCircle2->setRect(QRectF(0, 0, ClockGeometry::HubSide, ClockGeometry::HubSide));
    shpCircle3 = makeShape(q, QStringLiteral("shpCircle3"), White, 1);
    shpCircle3->setFill(Red);
    shpCircle3->setRect(QRectF(0, 0, 120, 120));
    shpCircle3->setVisible(false);
    shpCircle4 = makeShape(q, QStringLiteral("shpCircle4"), DialMarks::Green, 2);
    shpCircle4->setVisible(false);

    linhrs = makeLine(q, QStringLiteral("linhrs"), DialMarks::Yellow, 4);
    linmins = makeLine(q, QStringLiteral("linmins"), DialMarks::Blue, 2);
    linsecs = makeLine(q, QStringLiteral("linsecs"), White, 1);
    lintsecs = makeLine(q, QStringLiteral("lintsecs"), DialMarks::Green, 1, false);
    lintmins = makeLine(q, QStringLiteral("lintmins"), DialMarks::Green, 2, false);
    linthours = makeLine(q, QStringLiteral("linthours"), DialMarks::Green, 4, false);

    for (int k = 1; k <= 12; ++k) {
        QLabel *numeral = makeLabel(q, QStringLiteral("lblNum"), QString::number(k), DialMarks::Yellow);
        numeral->setProperty("Index", k - 1);
        numeral->resize(Twips::toPixels(QSize(k < 10 ? 135 : 255, 255)));
        lblNum[k - 1] = numeral;
    }
}

void AnalogClock::Private::createPanel()
{
    Label1 = makeLabel(q, QStringLiteral("Label1"), QStringLiteral("24HR ALARM"), White, Grey);
    txtAlarmTime = new QLineEdit(QStringLiteral("18.00"), q);
    txtAlarmTime->setObjectName(QStringLiteral("txtAlarmTime"));
    txtAlarmTime->setFont(boldFont(QStringLiteral("Arial")));
    setColors(txtAlarmTime, Red, White);
    lblOnOff = makeLabel(q, QStringLiteral("lblOnOff"), QStringLiteral("ALARM OFF"), White);
    chkOnOff = makeCheckBox(q, QStringLiteral("chkOnOff"));
    lblChimes = makeLabel(q, QStringLiteral("lblChimes"), QStringLiteral("CHIMES "), White);
    lblHMS = makeLabel(q, QStringLiteral("lblHMS"), QStringLiteral("H    M    S"), White);
    chkH = makeCheckBox(q, QStringLiteral("chkH"));
    chkM = makeCheckBox(q, QStringLiteral("chkM"));
    chkS = makeCheckBox(q, QStringLiteral("chkS"));
    Label2 = makeLabel(q, QStringLiteral("Label2"), QStringLiteral("TIMER"), White);
    cmdTimer = new QPushButton(QStringLiteral("START"), q);
    cmdTimer->setObjectName(QStringLiteral("cmdTimer"));
    lblTimer = makeLabel(q, QStringLiteral("lblTimer"), QString(), DialMarks::Green);
    lblTimer->setFont(boldFont(QStringLiteral("MS Sans Serif")));

    // The panel's widgets call in from their own signals: nothing may escape back into them.
    connect(cmdTimer, &QPushButton::pressed, q,
            [this] { QtBoundary::run(q, "the stopwatch button", [this] { q->Tbutton(); }); });
    connect(chkOnOff, &QCheckBox::clicked, q,
            [this] { QtBoundary::run(q, "the alarm switch", [this] { q->switchAlarm(); }); });
    connect(txtAlarmTime, &QLineEdit::textChanged, q,
            [this] { QtBoundary::run(q, "the alarm time", [this] { q->alarmTextChanged(); }); });
}

void AnalogClock::Private::createTimers()
{
    timer1 = makeTimer(q, QStringLiteral("Timer1"), 25, true);
    timer2 = makeTimer(q, QStringLiteral("Timer2"), 1000, true);
    timer3 = makeTimer(q, QStringLiteral("Timer3"), 10, false);
    timer5 = makeTimer(q, QStringLiteral("Timer5"), 50, true);
    timer6 = makeTimer(q, QStringLiteral("Timer6"), 50, false);
    connect(timer1, &WindowTimer::Timer, q, [this] { q->moveHands(); });
    connect(timer2, &WindowTimer::Timer, q, [this] { q->onceASecond(); });
    connect(timer5, &WindowTimer::Timer, q, [this] { q->chime(); });
    connect(timer3, &WindowTimer::Timer, q, [this] { q->showStopwatch(); });
    connect(timer6, &WindowTimer::Timer, q, [this] { q->moveRunningMark(); });
}

AnalogClock::AnalogClock(QWidget *parent)
    : ControlBase(parent)
    , d(std::make_unique<Private>(this))
{
    d->createDial();
    d->createPanel();
    d->createTimers();
    resize(Twips::toPixels(PlacedSize));
    layOut();
}

AnalogClock::~AnalogClock() = default;

OleColor AnalogClock::backColor() const
{
    return d->backColor;
}

void AnalogClock::setBackColor(OleColor color)
{
    d->backColor = color;
    propertyChanged(BackColorKey);
    update();
}

qint16 AnalogClock::backStyle() const
{
    return d->backStyle;
}

void AnalogClock::setBackStyle(qint16 style)
{
    d->backStyle = checkedStyle(style);
    propertyChanged(BackStyleKey);
    update();
}

qint16 AnalogClock::borderStyle() const
{
    return d->borderStyle;
}

void AnalogClock::setBorderStyle(qint16 style)
{
    d->borderStyle = checkedStyle(style);
    propertyChanged(BorderStyleKey);
    update();
}

void AnalogClock::writeBackStyle(qint16 style) noexcept
{
    QtBoundary::writeProperty(this, "BackStyle", [this, style] { setBackStyle(style); });
}

void AnalogClock::writeBorderStyle(qint16 style) noexcept
{
    QtBoundary::writeProperty(this, "BorderStyle", [this, style] { setBorderStyle(style); });
}

bool AnalogClock::isPanelShown() const
{
    return d->panelShown;
}

void AnalogClock::togglePanel()
{
    d->panelShown = !d->panelShown;
    for (QWidget *element : d->panelElements())
        element->setVisible(d->panelShown);
}

bool AnalogClock::CanPlayWaves() const
{
    return SoundService::instance().outputDeviceCount() > 0;
}

bool AnalogClock::PlayWaveFile(const QString &strFileName, bool blnAsync)
{
    return SoundService::instance().playWaveFile(strFileName, blnAsync);
}

QString AnalogClock::soundPath(const QString &fileName)
{
    return fileBesideLibrary(fileName);
}

void AnalogClock::SetAlarm()
{
    d->alarm.parse(d->txtAlarmTime->text());
    d->placeMarker();
    update();
}

void AnalogClock::switchAlarm()
{
    if (d->lblOnOff->text() != AlarmOff) {
        d->chkOnOff->setChecked(false);
        d->lblOnOff->setText(AlarmOff);
        d->shpCircle3->setVisible(false);
    } else {
        d->chkOnOff->setChecked(true);
        d->lblOnOff->setText(AlarmOn);
        SetAlarm();
        d->shpCircle3->setVisible(true);
    }
    update();
}

void AnalogClock::alarmTextChanged()
{
    const QString text = d->txtAlarmTime->text();
    if (!d->chkOnOff->isChecked() && d->alarm.isValid())
        switchAlarm();
    const bool unusable = text.size() < 4 || text.size() >= 6 || !d->alarm.isValid();
    if (unusable && d->chkOnOff->isChecked())
        switchAlarm();
    if (text.size() > 5)
        d->txtAlarmTime->clear();
}

void AnalogClock::onceASecond()
{
    if (width() != height())
        resize(height(), height());
    SetAlarm();
    const QTime now = Scheduler::instance().now().time();
    if (d->alarm.check(now.hour(), now.minute(), d->chkOnOff->isChecked()))
        PlayWaveFile(soundPath(QStringLiteral("Alarm.wav")), true);
}

void AnalogClock::chime()
{
    if (d->alarm.isRinging())
        return;
    const ChimeSchedule::Boxes boxes{d->chkS->isChecked(), d->chkM->isChecked(), d->chkH->isChecked()};
    const ChimeSchedule::Chime heard = d->chimes.check(boxes, d->currentHour, d->currentMinute, d->currentSecond);
    if (heard != ChimeSchedule::NoChime)
        PlayWaveFile(soundPath(ChimeSchedule::fileName(heard)), true);
}

void AnalogClock::Tbutton()
{
    const Stopwatch::Step step = Stopwatch::stepFor(d->cmdTimer->text());
    const auto showHands = [this](bool show) {
        for (DialLine *hand : {d->lintsecs, d->lintmins, d->linthours})
            hand->setVisible(show);
    };
    switch (step) {
    case Stopwatch::StartStep:
        d->stopwatch.start(Scheduler::instance().tickCount());
        d->stopwatchRunning = true;
        d->marks.clear(); // the clock's marks are not drawn while the stopwatch runs or stands
        showHands(true);
        d->timer3->setEnabled(true);
        d->timer6->setEnabled(true);
        d->shpCircle4->setVisible(true);
        break;
    case Stopwatch::StopStep:
        d->timer3->setEnabled(false);
        d->timer6->setEnabled(false);
        break;
    case Stopwatch::ResetStep:
        d->lblTimer->setText(QStringLiteral(" "));
        showHands(false);
        d->stopwatchRunning = false;
        d->marks.clear();
        d->marks.drawClockMarks();
        d->elapsed = Stopwatch::Reading();
        d->shpCircle4->setVisible(false);
        break;
    case Stopwatch::NoStep:
        return;
    }
    d->cmdTimer->setText(Stopwatch::captionAfter(step));
    update();
}

void AnalogClock::showStopwatch()
{
    d->elapsed = d->stopwatch.read(Scheduler::instance().tickCount());
    d->lblTimer->setText(d->elapsed.text());
    d->pointHand(d->lintsecs, ClockGeometry::SecondHand, d->elapsed.secondIndex());
    d->pointHand(d->lintmins, ClockGeometry::MinuteHand, d->elapsed.minuteIndex());
    d->pointHand(d->linthours, ClockGeometry::HourHand, d->elapsed.hourIndex());
    update();
}

void AnalogClock::moveRunningMark()
{
    const int at = d->elapsed.hundredths;
    d->marks.drawMark(at, DialMarks::Green);
    for (int position : Stopwatch::positionsToClear(at))
        d->marks.drawMark(position, DialMarks::Blue);
    update();
}

void AnalogClock::InitProperties()
{
    d->backColor = DefaultBackColor;
    d->backStyle = DefaultBackStyle;
    d->borderStyle = DefaultBorderStyle;
    update();
}

void AnalogClock::ReadProperties(const PropertyBag &bag)
{
    PersistedKey::readAll(d->persistedKeys(), bag);
    update();
}

void AnalogClock::WriteProperties(PropertyBag &bag)
{
    PersistedKey::writeAll(d->persistedKeys(), bag);
}

void AnalogClock::resizeEvent(QResizeEvent *event)
{
    ControlBase::resizeEvent(event);
    layOut();
}

void AnalogClock::layOut()
{
    const int heightTwips = Twips::fromPixels(height());
    if (ClockPanelLayout::showsPanel(heightTwips) != d->panelShown)
        togglePanel();

    const int side = std::max(height(), Twips::toPixels(ClockGeometry::MinimumSide));
    if (size() != QSize(side, side))
        resize(side, side);

    const QSize client = d->clientTwips();
    ClockGeometry &geometry = d->geometry;
    geometry.layOut(client);
    d->shpCircle1->setRect(geometry.rim());
    d->shpCircle2->setRect(geometry.hub());
    d->shpCircle4->setRect(geometry.ring());

    for (int k = 1; k <= 12; ++k) {
        QLabel *numeral = d->lblNum[k - 1];
        const QPoint at = geometry.numeralPosition(k, int(numeral->text().size()));
        numeral->move(Twips::toPixels(at.x()), Twips::toPixels(at.y()));
    }

    const QHash<QString, QRect> panel = ClockPanelLayout::layOut(client);
    for (QWidget *element : d->panelElements())
        element->setGeometry(Twips::toPixels(panel.value(element->objectName())));
    d->placeMarker();
    update();
}

void AnalogClock::moveHands()
{
    const QTime now = Scheduler::instance().now().time();
    d->currentHour = now.hour() >= 12 ? now.hour() - 12 : now.hour();
    d->currentMinute = now.minute();
    d->currentSecond = now.second();

    d->pointHand(d->linsecs, ClockGeometry::SecondHand, d->currentSecond);
    d->pointHand(d->linmins, ClockGeometry::MinuteHand, d->currentMinute);
    d->pointHand(d->linhrs, ClockGeometry::HourHand, ClockGeometry::hourIndex(d->currentHour, d->currentMinute));
    if (!d->stopwatchRunning)
        d->marks.drawClockMarks();
    update();
}

void AnalogClock::mousePressEvent(QMouseEvent *event)
{
    d->pressed = event->button() == Qt::LeftButton;
    ControlBase::mousePressEvent(event);
}

void AnalogClock::mouseReleaseEvent(QMouseEvent *event)
{
    // Only the control's own surface counts: the panel's labels and the
    // numerals are elements of their own.
    const QPoint at = event->position().toPoint();
    const bool click = d->pressed && event->button() == Qt::LeftButton && rect().contains(at) && !childAt(at);
    d->pressed = false;
    ControlBase::mouseReleaseEvent(event);
    if (click)
        togglePanel();
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (d->backStyle == 1)
        painter.fillRect(rect(), qColor(d->backColor, this));
    if (d->borderStyle == 1) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    // Everything on the dial is placed in twips.
    painter.scale(1.0 / Twips::PerPixel, 1.0 / Twips::PerPixel);
    const auto pen = [this](OleColor color, int widthPixels) {
        QPen pen(qColor(color, this), widthPixels * Twips::PerPixel);
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    };

    for (int position = 0; position < DialMarks::PositionCount; ++position) {
        if (const std::optional<OleColor> color = d->marks.colorAt(position)) {
            painter.setPen(pen(*color, 1));
            painter.drawLine(d->geometry.point(ClockGeometry::TickInner, position),
                             d->geometry.point(ClockGeometry::TickOuter, position));
        }
    }

    painter.setRenderHint(QPainter::Antialiasing);
    for (const DialShape *shape : {d->shpCircle1, d->shpCircle4, d->shpCircle3, d->shpCircle2}) {
        if (!shape->isVisible())
            continue;
        painter.setPen(pen(shape->borderColor(), shape->borderWidth()));
        painter.setBrush(shape->isFilled() ? QBrush(qColor(shape->fillColor(), this)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(shape->rect());
    }
    for (const DialLine *line : {d->lintsecs, d->lintmins, d->linthours, d->linhrs, d->linmins, d->linsecs}) {
        if (!line->isVisible())
            continue;
        painter.setPen(pen(line->color(), line->width()));
        painter.drawLine(line->from(), line->to());
    }
}

} // namespace OlvarControls
