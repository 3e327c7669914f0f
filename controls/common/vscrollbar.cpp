// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "vscrollbar.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace OlvarControls {

namespace {

constexpr int WheelNotch = 120;

} // namespace

VScrollBar::VScrollBar(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QScrollBar(Qt::Vertical, this))
{
    m_bar->setTracking(false);
    m_bar->installEventFilter(this);
    resize(DefaultWidth, sizeHint().height());

    connect(&m_model, &ScrollBarModel::changed, this, [this] {
        syncBar();
        Q_EMIT Change();
    });
    connect(&m_model, &ScrollBarModel::scrolled, this, &VScrollBar::Scroll);
    connect(&m_model, &ScrollBarModel::rangeChanged, this, &VScrollBar::syncBar);
    connect(m_bar, &QScrollBar::actionTriggered, this, &VScrollBar::onAction);
    connect(m_bar, &QScrollBar::sliderPressed, &m_model, &ScrollBarModel::beginTrack);
    connect(m_bar, &QScrollBar::sliderMoved, this, [this](int position) { m_model.trackTo(fromBar(position)); });
    connect(m_bar, &QScrollBar::sliderReleased, &m_model, &ScrollBarModel::endTrack);
    syncBar();
}

VScrollBar::~VScrollBar() = default;

QSize VScrollBar::sizeHint() const
{
    return QSize(DefaultWidth, m_bar->sizeHint().height());
}

void VScrollBar::resizeEvent(QResizeEvent *event)
{
    m_bar->setGeometry(QRect(QPoint(0, 0), event->size()));
}

bool VScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar || event->type() != QEvent::Wheel)
        return false;
    // One notch moves as many arrow steps as the desktop scrolls lines; wheeling up moves towards Min.
    m_wheelRemainder += static_cast<QWheelEvent *>(event)->angleDelta().y();
    const int notches = m_wheelRemainder / WheelNotch;
    m_wheelRemainder -= notches * WheelNotch;
    if (notches != 0)
        m_model.stepSmall(-notches * QApplication::wheelScrollLines());
    event->accept();
    return true;
}

void VScrollBar::onAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        m_model.stepSmall(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        m_model.stepSmall(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        m_model.stepLarge(1);
        break;
    case QAbstractSlider::SliderPageStepSub:
        m_model.stepLarge(-1);
        break;
    case QAbstractSlider::SliderToMinimum:
        m_model.setValue(m_model.min());
        break;
    case QAbstractSlider::SliderToMaximum:
        m_model.setValue(m_model.max());
        break;
    case QAbstractSlider::SliderMove:
        if (!m_bar->isSliderDown())
            m_model.setValue(fromBar(m_bar->sliderPosition()));
        break;
    default:
        break;
    }
    // The bar shows what the model decided, not the position it worked out itself.
    m_bar->setSliderPosition(toBar(m_model.thumbPosition()));
}

void VScrollBar::syncBar()
{
    const QSignalBlocker blocker(m_bar);
    m_bar->setRange(toBar(m_model.min()), toBar(m_model.max())); // Min is the bar's top either way
    m_bar->setSingleStep(m_model.smallChange());
    m_bar->setPageStep(m_model.largeChange());
    if (!m_bar->isSliderDown())
        m_bar->setValue(toBar(m_model.value()));
}

int VScrollBar::toBar(int value) const
{
    return m_model.isReversed() ? -value : value;
}

int VScrollBar::fromBar(int position) const
{
    return m_model.isReversed() ? -position : position;
}

} // namespace OlvarControls
