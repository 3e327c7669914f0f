// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analogclock.h"
#include "dialline.h"
#include "dialshape.h"
#include "oledate.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QWidget>

#include <memory>

namespace OlvarTest {

/*! An analog clock created by type name on a shown host window. */
class ClockHost
{
public:
    ClockHost();
    ~ClockHost();

    OlvarControls::AnalogClock &clock() const { return *m_clock; }

    template <typename T>
    T *child(const char *name) const
    {
        return m_clock->findChild<T *>(QString::fromLatin1(name));
    }
    OlvarControls::DialLine *line(const char *name) const { return child<OlvarControls::DialLine>(name); }
    OlvarControls::DialShape *shape(const char *name) const { return child<OlvarControls::DialShape>(name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }
    QLabel *label(const char *name) const { return child<QLabel>(name); }

    /*! Resizes the control to \a width x \a height twips. */
    void resizeTwips(int width, int height);
    /*! The control's size in twips. */
    QSize sizeTwips() const;

    /*! Sets the virtual clock to \a time on the test day. */
    static void setTime(QTime time);
    /*! Lets \a ms milliseconds of virtual time pass. */
    static void advance(int ms);

    /*! Clicks the control's own surface at its top-left corner. */
    void clickSurface();

private:
    QWidget m_host;
    std::unique_ptr<OlvarControls::AnalogClock> m_clock;
};

} // namespace OlvarTest
