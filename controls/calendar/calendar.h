// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlbase.h"
#include "olecolor.h"
#include "olvarglobal.h"

#include <QDate>
#include <QVariant>

#include <memory>

namespace OlvarControls {

/*!
    \c OlvarControls.Calendar: a date entry. Its text box \c TxtDate takes only
    digits and date separators (".", ":", "/" and "\" all become "/") and is
    cleared on leaving when it holds no date; the arrows of \c UpDown step the
    date by a day; \c btnDropCalendar opens the month popup (frmCalendar)
    modally and writes the chosen date back. Every date the control writes is
    formatted with \c DateFormat ("dd/mm/yyyy" by default).

    The popup's button settings are shared by every date entry of the
    program: the ones assigned or loaded last apply to the next popup.
    \c Text can only be assigned while the host runs (error 387 otherwise).
    The control is never narrower than 1380 twips.
*/
class OLVAR_EXPORT Calendar : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(bool UpDownVisible READ isUpDownVisible WRITE setUpDownVisible NOTIFY UpDownVisibleChanged)
    Q_PROPERTY(QVariant Text READ text WRITE writeText NOTIFY TextChanged)
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ textFont WRITE setTextFont NOTIFY FontChanged)
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(OlvarControls::OleColor ForeColor READ foreColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(qint16 BorderStyle READ borderStyle WRITE writeBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(bool ButtonToday READ buttonToday WRITE setButtonToday NOTIFY ButtonTodayChanged)
    Q_PROPERTY(bool ButtonNone READ buttonNone WRITE setButtonNone NOTIFY ButtonNoneChanged)
    Q_PROPERTY(QString ButtonTodayText READ buttonTodayText WRITE setButtonTodayText NOTIFY ButtonTodayTextChanged)
    Q_PROPERTY(QString ButtonNoneText READ buttonNoneText WRITE setButtonNoneText NOTIFY ButtonNoneTextChanged)
    Q_PROPERTY(bool Calendar READ isCalendarVisible WRITE setCalendar NOTIFY CalendarChanged)
    Q_PROPERTY(QVariant DateFormat READ dateFormat WRITE setDateFormat NOTIFY DateFormatChanged)
    Q_PROPERTY(QDate date READ date WRITE writeDate NOTIFY dateChanged USER true DESIGNABLE false STORED false)

public:
    /*! A date entry showing no date, with the up-down arrows and the drop button. */
    explicit Calendar(QWidget *parent = nullptr);
    ~Calendar() override;

    /*! Whether the up-down arrows are shown; true by default. */
    bool isUpDownVisible() const;
    /*! Sets \c UpDownVisible. */
    void setUpDownVisible(bool visible);

    /*! The text box's text. */
    QVariant text() const;
    /*!
        Shows \a value in the text box formatted with \c DateFormat; Null and
        the empty mask text empty it. Throws OleError 387 while a designer
        hosts the control.
    */
    void setText(const QVariant &value);

    /*! The date the text box holds; an invalid QDate while it holds none. */
    QDate date() const;
    /*!
        Shows \a date in the text box formatted with \c DateFormat; an invalid
        date empties it. Sets \c Text, so it throws OleError 387 while a
        designer hosts the control.
    */
    void setDate(QDate date);

    /*! Whether the control takes input. */
    bool isControlEnabled() const;
    /*! Sets \c Enabled. */
    void setControlEnabled(bool enabled);

    /*! The text box's font. */
    QFont textFont() const;
    /*! Sets \c Font. */
    void setTextFont(const QFont &font);

    /*! The text box's background; the system window colour by default. */
    OleColor backColor() const;
    /*! Sets \c BackColor. */
    void setBackColor(OleColor color);

    /*! The text box's text colour; the system window-text colour by default. */
    OleColor foreColor() const;
    /*! Sets \c ForeColor. */
    void setForeColor(OleColor color);

    /*! The text box's border: 0 none, 1 (default) a single line. Other values raise OleError 380. */
    qint16 borderStyle() const;
    /*! Sets \c BorderStyle. */
    void setBorderStyle(qint16 style);

    /*! Whether the popup shows \c btnToday; true by default. */
    bool buttonToday() const;
    /*! Sets \c ButtonToday. */
    void setButtonToday(bool show);

    /*! Whether the popup shows \c btnNone; true by default. */
    bool buttonNone() const;
    /*! Sets \c ButtonNone. */
    void setButtonNone(bool show);

    /*! \c btnToday's caption when not empty ("Today" otherwise). */
    QString buttonTodayText() const;
    /*! Sets \c ButtonTodayText. */
    void setButtonTodayText(const QString &text);

    /*! \c btnNone's caption when not empty ("None" otherwise). */
    QString buttonNoneText() const;
    /*! Sets \c ButtonNoneText. */
    void setButtonNoneText(const QString &text);

    /*! Whether the drop button is shown (as last assigned); true by default. */
    bool isCalendarVisible() const;
    /*! Sets \c Calendar. */
    void setCalendar(bool visible);

    /*! The pattern dates are written into the text box with; "dd/mm/yyyy" by default. */
    QVariant dateFormat() const;
    /*! Sets the pattern; the text already shown stays as it is. */
    void setDateFormat(const QVariant &pattern);

    /*! Opens the month popup modally and shows the chosen date, as a click on the drop button does. */
    Q_INVOKABLE void dropDown();

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

Q_SIGNALS:
    /*! The date the text box holds has changed to \a date: once per assignment, step, popup choice or finished edit. */
    void dateChanged(QDate date);
    /*! Published for hosts; never raised. */
    void Click();
    /*! Published for hosts; never raised. */
    void DblClick();
    /*! Published for hosts; never raised. */
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /*! Published for hosts; never raised. */
    void KeyPress(qint16 KeyAscii);
    /*! Published for hosts; never raised. */
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /*! Published for hosts; never raised. */
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /*! Published for hosts; never raised. */
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /*! Published for hosts; never raised. */
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

    // The change signals of the writable properties (their NOTIFY signals).
    /*! UpDownVisible has changed to \a UpDownVisible. */
    void UpDownVisibleChanged(bool UpDownVisible);
    /*! Text has changed to \a Text. */
    void TextChanged(const QVariant &Text);
    /*! Enabled has changed to \a Enabled. */
    void EnabledChanged(bool Enabled);
    /*! Font has changed to \a Font. */
    void FontChanged(const QFont &Font);
    /*! BackColor has changed to \a BackColor. */
    void BackColorChanged(OlvarControls::OleColor BackColor);
    /*! ForeColor has changed to \a ForeColor. */
    void ForeColorChanged(OlvarControls::OleColor ForeColor);
    /*! BorderStyle has changed to \a BorderStyle. */
    void BorderStyleChanged(qint16 BorderStyle);
    /*! ButtonToday has changed to \a ButtonToday. */
    void ButtonTodayChanged(bool ButtonToday);
    /*! ButtonNone has changed to \a ButtonNone. */
    void ButtonNoneChanged(bool ButtonNone);
    /*! ButtonTodayText has changed to \a ButtonTodayText. */
    void ButtonTodayTextChanged(const QString &ButtonTodayText);
    /*! ButtonNoneText has changed to \a ButtonNoneText. */
    void ButtonNoneTextChanged(const QString &ButtonNoneText);
    /*! Calendar has changed to \a visible. */
    void CalendarChanged(bool visible);
    /*! DateFormat has changed to \a DateFormat. */
    void DateFormatChanged(const QVariant &DateFormat);

protected:
    //! \cond internal
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    //! \endcond

private:
    // The writes of the meta-object system (QUiLoader, Qt Designer, setProperty):
    // a refused value is logged and kept out, never raised into Qt.
    void writeText(const QVariant &value) noexcept;
    void writeBorderStyle(qint16 style) noexcept;
    void writeDate(QDate date) noexcept;
    void noteDate();

    bool filterKey(QKeyEvent *event);
    void validate();
    void stepDay(int days);
    void shareButtonSettings() const;
    void layOut();
    QString pattern() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
