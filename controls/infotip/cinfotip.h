// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "infotipstyle.h"
#include "infotipwindow.h"
#include "olecolor.h"
#include "olvarglobal.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace OlvarControls {

/*!
    A tooltip of the library: a small frameless pop-up next to the mouse
    pointer with an optional bold title over a block of text, optionally with a
    drop shadow, hidden again after a time-out if wanted.

    Show() draws the tip once on its window, which is created on the first show
    and reused while shown; Hide() destroys it. The properties keep their values
    across shows. A tip shown with \c UseTimeOut hides itself once \c TimeOut
    milliseconds later (on the Scheduler), and becomes the current timed tip of
    MInfoTip, which keeps a shared-owned tip alive until the next timed tip.
    Destroying the object hides the tip.
*/
class CInfoTip : public QObject, public std::enable_shared_from_this<CInfoTip>
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(bool ShowTitle READ showTitle WRITE setShowTitle)
    Q_PROPERTY(qint32 TitleAlignment READ titleAlignment WRITE setTitleAlignment)
    Q_PROPERTY(qint32 TextAlignment READ textAlignment WRITE setTextAlignment)
    Q_PROPERTY(OlvarControls::OleColor TitleColor READ titleColor WRITE setTitleColor)
    Q_PROPERTY(OlvarControls::OleColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(qint32 BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(OlvarControls::OleColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(qint32 Padding READ padding WRITE setPadding)
    Q_PROPERTY(qint32 TabSize READ tabSize WRITE setTabSize)
    Q_PROPERTY(bool UseSystemFont READ useSystemFont WRITE setUseSystemFont)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(qint32 FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ fontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontUnderline READ fontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool FontStrikethrough READ fontStrikethrough WRITE setFontStrikethrough)
    Q_PROPERTY(bool DropShadow READ dropShadow WRITE setDropShadow)
    Q_PROPERTY(bool UseTimeOut READ useTimeOut WRITE setUseTimeOut)
    Q_PROPERTY(qint32 TimeOut READ timeOut WRITE setTimeOut)
    Q_PROPERTY(qint32 ParenthWnd READ parenthWnd WRITE setParenthWnd)
    Q_PROPERTY(qint32 hWnd READ hWnd)

public:
    /*! The version Version() reports. */
    static constexpr const char *VersionText = "1.0.1";

    explicit CInfoTip(QObject *parent = nullptr);
    ~CInfoTip() override;

    /*! Text shown when Show() gets none; empty by default. */
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    /*! Title shown when Show() gets none; empty by default. */
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    /*! Whether the title line and its separator are drawn; false by default. */
    bool showTitle() const { return m_style.showTitle; }
    void setShowTitle(bool show) { m_style.showTitle = show; }
    /*! 0 left (default), 1 centred, 2 right. */
    qint32 titleAlignment() const { return m_style.titleAlignment; }
    void setTitleAlignment(qint32 alignment) { m_style.titleAlignment = alignment; }
    /*! 0 left (default), 1 centred, 2 right; other values keep the title's alignment. */
    qint32 textAlignment() const { return m_style.textAlignment; }
    void setTextAlignment(qint32 alignment) { m_style.textAlignment = alignment; }
    /*! Title colour; the tooltip text colour by default. */
    OleColor titleColor() const { return m_style.titleColor; }
    void setTitleColor(OleColor color) { m_style.titleColor = color; }
    /*! Text colour; the tooltip text colour by default. */
    OleColor foreColor() const { return m_style.foreColor; }
    void setForeColor(OleColor color) { m_style.foreColor = color; }
    /*! Fill colour; the tooltip background by default. */
    OleColor backColor() const { return m_style.backColor; }
    void setBackColor(OleColor color) { m_style.backColor = color; }
    /*! 0 raised edge (default), 1 flat line in BorderColor, any other value no border. */
    qint32 borderStyle() const { return m_style.borderStyle; }
    void setBorderStyle(qint32 style) { m_style.borderStyle = style; }
    /*! Colour of the flat border and the title separator; the 3-D dark shadow by default. */
    OleColor borderColor() const { return m_style.borderColor; }
    void setBorderColor(OleColor color) { m_style.borderColor = color; }
    /*! Inner margin in pixels, 5 by default; a negative one counts as 0. */
    qint32 padding() const { return m_style.padding; }
    void setPadding(qint32 padding) { m_style.padding = padding; }
    /*! Spaces that replace each tab of the text, 8 by default; a negative size counts as 0. */
    qint32 tabSize() const { return m_style.tabSize; }
    void setTabSize(qint32 size) { m_style.tabSize = size; }
    /*! Whether the status-bar font is used instead of the Font properties; true by default. */
    bool useSystemFont() const { return m_style.useSystemFont; }
    void setUseSystemFont(bool use) { m_style.useSystemFont = use; }
    /*! Face name, "Arial" by default. */
    QString fontName() const { return m_style.fontName; }
    void setFontName(const QString &name) { m_style.fontName = name; }
    /*! Character height in screen pixels, 8 by default. */
    qint32 fontSize() const { return m_style.fontSize; }
    void setFontSize(qint32 size) { m_style.fontSize = size; }
    /*! Weight 900 when set, 300 when not (the default). */
    bool fontBold() const { return m_style.fontBold; }
    void setFontBold(bool bold) { m_style.fontBold = bold; }
    bool fontItalic() const { return m_style.fontItalic; }
    void setFontItalic(bool italic) { m_style.fontItalic = italic; }
    bool fontUnderline() const { return m_style.fontUnderline; }
    void setFontUnderline(bool underline) { m_style.fontUnderline = underline; }
    bool fontStrikethrough() const { return m_style.fontStrikethrough; }
    void setFontStrikethrough(bool strikethrough) { m_style.fontStrikethrough = strikethrough; }
    /*! Whether a 4-pixel shadow is painted to the right and below; true by default. */
    bool dropShadow() const { return m_style.dropShadow; }
    void setDropShadow(bool shadow) { m_style.dropShadow = shadow; }
    /*! Whether the tip hides itself after TimeOut; true by default. */
    bool useTimeOut() const { return m_style.useTimeOut; }
    void setUseTimeOut(bool use) { m_style.useTimeOut = use; }
    /*! Milliseconds until the tip hides itself, 2500 by default; values below 1 count as 1. */
    qint32 timeOut() const { return m_style.timeOut; }
    void setTimeOut(qint32 ms) { m_style.timeOut = ms; }
    /*! The window that owns the tip and the about box (its window id); 0 by default. */
    qint32 parenthWnd() const { return m_parenthWnd; }
    void setParenthWnd(qint32 window) { m_parenthWnd = window; }
    /*! The tip window's id while shown, 0 otherwise. */
    qint32 hWnd() const;

    /*!
        Shows the tip next to the mouse pointer: \a text, or Text when it is empty,
        with each tab made TabSize spaces; \a title, or Title when it is empty,
        without tabs. Showing while shown moves the tip and draws the new content.
    */
    Q_INVOKABLE void Show(const QString &text = QString(), const QString &title = QString());
    /*! Destroys the tip window if there is one and raises Hidden(), shown or not. */
    Q_INVOKABLE void Hide();
    /*! Shows the about box: "CInfoTip v" and the version, with the information icon. */
    Q_INVOKABLE void About();
    /*! "1.0.1". */
    Q_INVOKABLE QString Version() const;
    /*! Returns \a value unchanged. */
    Q_INVOKABLE qint32 GetAddress(qint32 value) const { return value; }

    /*! The tip window while shown, else nullptr. */
    InfoTipWindow *window() const { return m_window; }
    /*! The look and behaviour the properties set. */
    const InfoTipStyle &style() const { return m_style; }

Q_SIGNALS:
    /*! The tip has been hidden (or Hide() was called while it was not shown). */
    void Hidden();

private:
    QWidget *ownerWidget() const;
    void stopTimeOut();
    void startTimeOut();

    InfoTipStyle m_style;
    QString m_text;
    QString m_title;
    qint32 m_parenthWnd = 0;
    QPointer<InfoTipWindow> m_window;
    int m_timerId = 0;
};

} // namespace OlvarControls
