// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdisurface.h"
#include "olvarglobal.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <memory>

class QPaintEvent;
class QWidget;

namespace OlvarControls {

/*!
    The persistent drawing surface of a control's window. It keeps a
    GdiSurface the size of the owner's client area (following its resizes,
    its font and its palette), copies it to the window in paint(), and asks the
    window to show it again on refresh().

    While the owner's window is locked (WindowUpdateLock), refresh() waits for
    the release and paint() shows the drawing as it was when the lock was
    taken, so that half-finished drawing never reaches the screen.

    The surface has the device pixel ratio of the owner's screen (at least 1),
    so that a control is drawn at the screen's resolution while it draws in
    its own (logical) pixels.

    A control keeps one as a member and calls paint() from its paintEvent().
*/
class RetainedSurface : public QObject
{
    Q_OBJECT

public:
    /*! A surface for \a owner, which must outlive it. */
    explicit RetainedSurface(QWidget *owner);
    ~RetainedSurface() override;

    /*! The drawing surface, the size of the owner's client area. */
    GdiSurface &surface();
    const GdiSurface &surface() const { return *m_surface; }
    /*! The window the surface belongs to. */
    QWidget *owner() const { return m_owner; }

    /*! Copies the surface to the window (once the window's lock is released, if it is locked). */
    void refresh();
    /*! Paints the part of the surface \a event asks for; call from the owner's paintEvent(). */
    void paint(QPaintEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void syncSize();

    QPointer<QWidget> m_owner;
    std::unique_ptr<GdiSurface> m_surface;
    QImage m_frozen;
};

} // namespace OlvarControls
