// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlbase.h"
#include "olecolor.h"
#include "olvarglobal.h"

#include <QString>

#include <memory>

namespace OlvarControls {

/*!
    \c OlvarControls.AnalogClock: the local time on an analog dial with hour,
    minute and second hands, twelve numerals and sixty tick marks, with a
    panel for a 24-hour alarm, second, minute and hour chimes and a stopwatch.

    The control is always square and at least 1395 twips high; below 3015
    twips the panel is hidden. A click on the control shows or hides the
    panel. Sounds are the wave files "Alarm.wav", "SChime.wav", "MChime.wav"
    and "HChime.wav" in the library's folder, played through SoundService.
    Times and the stopwatch's tick count come from the Scheduler.
*/
class OLVAR_EXPORT AnalogClock : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(qint16 BackStyle READ backStyle WRITE writeBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(qint16 BorderStyle READ borderStyle WRITE writeBorderStyle NOTIFY BorderStyleChanged)

public:
    /*! A clock showing the scheduler's time, its panel hidden. */
    explicit AnalogClock(QWidget *parent = nullptr);
    ~AnalogClock() override;

    /*! The surface colour; the system button-face colour by default. */
    OleColor backColor() const;
    /*! Sets \c BackColor. */
    void setBackColor(OleColor color);

    /*! 1 (default) paints the surface in \c BackColor, 0 leaves it transparent. Other values raise OleError 380. */
    qint16 backStyle() const;
    /*! Sets \c BackStyle. */
    void setBackStyle(qint16 style);

    /*! 0 (default) no border, 1 a single line. Other values raise OleError 380. */
    qint16 borderStyle() const;
    /*! Sets \c BorderStyle. */
    void setBorderStyle(qint16 style);

    /*! Whether the panel (alarm, chimes, stopwatch) is shown. */
    bool isPanelShown() const;
    /*! Shows the panel if it is hidden and hides it otherwise, as a click on the control does. */
    void togglePanel();

    /*! Whether there is at least one wave output device. */
    Q_INVOKABLE bool CanPlayWaves() const;
    /*!
        Plays the wave file \a strFileName, returning at once when \a blnAsync is
        true; a later play replaces a sound still playing. False, without a
        message, for a missing file or when there is no output device.
    */
    Q_INVOKABLE bool PlayWaveFile(const QString &strFileName, bool blnAsync = false);
    /*! Parses the alarm text ("18.00", "9.30") and puts the alarm marker where the hour hand will stand then. */
    Q_INVOKABLE void SetAlarm();

    /*! One step of the stopwatch, as a press of its button does: start, stop, or reset, by the button's caption. */
    Q_INVOKABLE void Tbutton();

    /*! The path of the clock's sound \a fileName ("Alarm.wav" and so on) in the library's folder. */
    static QString soundPath(const QString &fileName);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

Q_SIGNALS:
    // The change signals of the writable properties (their NOTIFY signals).
    /*! BackColor has changed to \a BackColor. */
    void BackColorChanged(OlvarControls::OleColor BackColor);
    /*! BackStyle has changed to \a BackStyle. */
    void BackStyleChanged(qint16 BackStyle);
    /*! BorderStyle has changed to \a BorderStyle. */
    void BorderStyleChanged(qint16 BorderStyle);

protected:
    //! \cond internal
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    //! \endcond

private:
    // The meta-object system's writes: a refused value is logged, never raised into Qt.
    void writeBackStyle(qint16 style) noexcept;
    void writeBorderStyle(qint16 style) noexcept;

    void layOut();
    void moveHands();
    void switchAlarm();
    void alarmTextChanged();
    void onceASecond();
    void chime();
    void showStopwatch();
    void moveRunningMark();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
