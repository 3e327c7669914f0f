// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"
#include "scrollbarmodel.h"

#include <QWidget>

class QScrollBar;

namespace OlvarControls {

/*!
    A vertical scroll bar with the platform's behaviour (see ScrollBarModel):
    Min at the top, Max at the bottom (also when Max is below Min), Change()
    after each change of Value and Scroll() while the thumb is dragged, Value
    changing only when the thumb is released. Arrows, page areas, keys, the
    wheel and the thumb all move the value through the model.

    Its default width is 16 pixels.
*/
class VScrollBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Value READ value WRITE setValue NOTIFY Change)
    Q_PROPERTY(int SmallChange READ smallChange WRITE setSmallChange)
    Q_PROPERTY(int LargeChange READ largeChange WRITE setLargeChange)

public:
    /*! The width a new scroll bar has. */
    static constexpr int DefaultWidth = 16;

    explicit VScrollBar(QWidget *parent = nullptr);
    ~VScrollBar() override;

    int min() const { return m_model.min(); }
    void setMin(int min) { m_model.setMin(min); }
    int max() const { return m_model.max(); }
    void setMax(int max) { m_model.setMax(max); }
    int value() const { return m_model.value(); }
    void setValue(int value) { m_model.setValue(value); }
    int smallChange() const { return m_model.smallChange(); }
    void setSmallChange(int change) { m_model.setSmallChange(change); }
    int largeChange() const { return m_model.largeChange(); }
    void setLargeChange(int change) { m_model.setLargeChange(change); }

    /*! The state and rules behind the bar. */
    ScrollBarModel &model() { return m_model; }
    const ScrollBarModel &model() const { return m_model; }

    QSize sizeHint() const override;

Q_SIGNALS:
    /*! Value has changed. */
    void Change();
    /*! The thumb is being dragged. */
    void Scroll();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onAction(int action);
    void syncBar();
    int toBar(int value) const;
    int fromBar(int position) const;

    ScrollBarModel m_model;
    QScrollBar *m_bar;
    int m_wheelRemainder = 0;
};

} // namespace OlvarControls
