// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "hourlet.h"
#include "olecolor.h"
#include "oledate.h"
#include "persistedkey_p.h"
#include "viewadditions_p.h"
#include "weekview.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <array>
#include <memory>
#include <optional>

namespace OlvarControls {

namespace DataAccess {
class Connection;
}

/*! The state of a WeekView and the work its members share. */
class WeekViewPrivate
{
public:
    using PersistedKey = OlvarControls::PersistedKey;

    /*! The values the week view keeps and saves, with those of a new control. */
    struct StoredValues : ViewAdditions
    {
        OleDate activeDate;
        qint32 resource = 0;
        QFont appItemFont;
        OleColor backColor = OleColor::fromOle(0xFFFFFF);
        qint16 borderStyle = 0;
        OleColor foreColor = OleColor::fromOle(0);
        qint16 backStyle = 0;
        bool selectionHighlight = false;
        qint16 vScrollValue = 0;
        bool showVscroll = false;
        bool showTimeScale = false;
        QString dateFormat;
        OleColor barColor = OleColor::fromOle(0xFFFFFF);
        OleColor appItemBackColor = OleColor::fromOle(0xFFFFFF);
        OleColor appItemBarBorderColor = OleColor::fromOle(0);
        OleColor appItemBarColor = OleColor::fromOle(0);
        OleColor appItemBorderColor = OleColor::fromOle(0);
        OleColor appItemForeColor = OleColor::fromOle(0);
        OleColor availableColor = OleColor::fromOle(0xB6E4E1);
        OleColor slotLineColor = OleColor::fromOle(0xA7A7A7);
        OleColor slotsBorderColor = OleColor::fromOle(0);
        OleColor timeScaleBackColor = OleColor::fromOle(0xFFCCCC);
        OleColor timeScaleForeColor = OleColor::fromOle(0);
        OleColor unAvailableColor = OleColor::fromOle(0x8CD5CF);
    };

    /*! The active date of a new control. */
    static OleDate defaultActiveDate();

    explicit WeekViewPrivate(WeekView *owner);

    /*! Creates the seven columns in the state they are designed with. */
    void createColumns();
    /*! Gives the columns their roles: scroll bar, time scale, font name, date caption. */
    void initialise();
    /*! Puts every stored value back to the one of a new control. */
    void setDefaults();

    /*! The columns from 0 to 6, each as the control array holds it. */
    Hourlet *column(int index) const { return columns[std::size_t(index)]; }
    /*! The active column; throws OleError 91 while there is none. */
    Hourlet &requireActive() const;

    /*! Gives each column its date of the week of \a date. */
    void assignDates(OleDate date);
    /*! Throws OleError 380 when a day of the week of \a date lies outside the date range. */
    void checkDates(OleDate date);
    /*! Places and sizes the columns for the control's size. */
    void layOut();
    /*! Shows every column's drawing again and redraws the scroll bar; failures are ignored. */
    void paint();
    /*! The painting of the week, at once. */
    void repaint();
    /*! Gives columns 1 to 6 column 0's scroll position. */
    void synchroniseScroll();
    void columnClicked(int index);
    void columnDoubleClicked(int index);

    /*! Stores \a color in \a field, hands it to every column through \a set and notifies \a name. */
    void forwardColor(OleColor StoredValues::*field, void (Hourlet::*set)(OleColor), OleColor color, const char *name);
    /*!
        Hands \a value to every column through \a set (a column may refuse it,
        which stops here with \a field unchanged), then stores it in \a field;
        when it differs from the value before, notifies \a name and emits
        \a changed.
    */
    template <typename T, typename Setter>
    void forwardAddition(T ViewAdditions::*field, Setter set, const T &value, const char *name)
    {
        for (Hourlet *hourlet : columns)
            (hourlet->*set)(value);
        const bool differs = !(v.*field == value);
        v.*field = value;
        if (!differs)
            return;
        q->propertyChanged(QString::fromLatin1(name)); // with the property's NOTIFY signal
    }
    /*!
        For one week-wide operation (a date, resource or scroll change, a
        redisplay): opens one connection and lends it to the seven columns'
        loads, which run their queries on it as the operation goes on, instead
        of opening seven; it is closed when the operation ends, so that no
        connection stays open between operations. Nested operations share the
        outer one's; without a connection string, or when it cannot be opened,
        the columns open their own as before.
    */
    class SharedConnection
    {
    public:
        explicit SharedConnection(WeekViewPrivate &week);
        ~SharedConnection();
        SharedConnection(const SharedConnection &) = delete;
        SharedConnection &operator=(const SharedConnection &) = delete;

    private:
        WeekViewPrivate &m_week;
        std::unique_ptr<DataAccess::Connection> m_connection;
    };

    /*! The date of the column under the screen point \a global; nothing outside the columns. */
    std::optional<OleDate> dayAt(const QPoint &global) const;
    /*! Hands the stored additions to the columns, after loading. */
    void forwardAdditions();

    /*! Gives column 0 \a color and the other columns the colour column 0 took. */
    void applyHighLightColor(OleColor color);
    /*! Gives every column's font (through \a get and \a set) the name of \a font. */
    void forwardFontName(const QFont &font, QFont (Hourlet::*get)() const, void (Hourlet::*set)(const QFont &));
    void applyBorderStyle(qint16 style);
    void applyBackColor(OleColor color);

    /*! The persisted properties in the order they are read and written. */
    QList<PersistedKey> persistedKeys();

    WeekView *q;
    std::array<Hourlet *, 7> columns{};
    QPointer<Hourlet> active;
    QString connectionString;
    bool lending = false; //!< a SharedConnection is lending its connection to the columns
    QFont font;
    StoredValues v;
};

} // namespace OlvarControls
