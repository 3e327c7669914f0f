#pragma once

#include "controlbase.h"
#include "olecolor.h"
#include "olvarglobal.h"

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
    Q_PROPERTY(bool UpDownVisible READ isUpDownVisible WRITE setUpDownVisible)
    Q_PROPERTY(QVariant Text READ text WRITE setText)
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setControlEnabled)
    Q_PROPERTY(QFont Font READ textFont WRITE setTextFont)
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(OlvarControls::OleColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(qint16 BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool ButtonToday READ buttonToday WRITE setButtonToday)
    Q_PROPERTY(bool ButtonNone READ buttonNone WRITE setButtonNone)
    Q_PROPERTY(QString ButtonTodayText READ buttonTodayText WRITE setButtonTodayText)
    Q_PROPERTY(QString ButtonNoneText READ buttonNoneText WRITE setButtonNoneText)
    Q_PROPERTY(bool Calendar READ isCalendarVisible WRITE setCalendar)
    Q_PROPERTY(QVariant DateFormat READ dateFormat WRITE setDateFormat)

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
    /*! Published for hosts; never raised. */
    void Click();
    /*! Published for hosts; never raised. */
    void DblClick();
    /*! Published for hosts; never raised. */
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    /*! Published for hosts; never raised. */
    void KeyPress(qint16 &KeyAscii);
    /*! Published for hosts; never raised. */
    void KeyUp(qint16 &KeyCode, qint16 &Shift);
    /*! Published for hosts; never raised. */
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    /*! Published for hosts; never raised. */
    void MouseMove(qint16 &Button, qint16 &Shift, float &X, float &Y);
    /*! Published for hosts; never raised. */
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);

protected:
    //! \cond internal
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    //! \endcond

private:
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
