// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace OlvarControls {

/*!
    The store a host saves a control's properties in: key/value pairs in the
    order they were written.

    Keys match case-insensitively and keep the case they were first written in.
    A bag holds texts (QString), 16- and 32-bit integers (qint16, qint32),
    Booleans, doubles, OleDate, OleColor, QFont, Null and Empty, each with its
    type. Writing a value equal to its default stores nothing; reading a
    missing key gives the default.

    toText() and fromText() turn a bag into a typed, human-readable text of one
    property per line and back; saveToFile() and loadFromFile() do the same with
    a file. A damaged text is refused whole with OleError 321.
*/
class OLVAR_EXPORT PropertyBag
{
public:
    PropertyBag();

    /*! The value stored under \a key, or \a defaultValue when there is none. */
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = QVariant()) const;
    /*!
        Stores \a value under \a key unless it equals \a defaultValue (see
        valuesEqual()); then a value stored earlier under \a key is removed.
        A key written again keeps its first position. An empty key raises
        OleError 5, a value of a type the bag cannot hold OleError 13.
    */
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue = QVariant());

    /*! Whether a value is stored under \a key. */
    bool contains(const QString &key) const;
    /*! The keys in the order they were first written. */
    QStringList keys() const;
    /*! The number of stored values. */
    int count() const;
    /*! Whether the bag holds no value. */
    bool isEmpty() const { return count() == 0; }
    /*! Removes every value. */
    void clear();

    /*! The text form of the bag. */
    QString toText() const;
    /*! The bag that \a text describes; a damaged text raises OleError 321 naming the line. */
    static PropertyBag fromText(const QString &text);
    /*! Writes the text form to \a fileName (UTF-8), replacing the file only when all is written. */
    void saveToFile(const QString &fileName) const;
    /*! The bag saved in \a fileName; raises OleError 53, 75 or 321 when it cannot be read. */
    static PropertyBag loadFromFile(const QString &fileName);

    /*! Whether a bag can hold \a value. */
    static bool isStorable(const QVariant &value);
    /*!
        Whether \a value equals \a defaultValue as the platform compares them:
        numbers by value, otherwise \a defaultValue converted to the type of
        \a value (5 equals OleColor(5); an OleDate equals a text that converts
        to the same date). Empty equals only Empty, Null only Null.
    */
    static bool valuesEqual(const QVariant &value, const QVariant &defaultValue);

    /*! Same keys (exact case), in the same order, with values of the same types and values. */
    friend OLVAR_EXPORT bool operator==(const PropertyBag &a, const PropertyBag &b);
    /*! Not equal, as operator==() compares. */
    friend bool operator!=(const PropertyBag &a, const PropertyBag &b) { return !(a == b); }

private:
    struct Entry
    {
        QString key;
        QVariant value;
    };

    qsizetype indexOf(const QString &key) const;
    void insert(const QString &key, const QVariant &value);

    friend class PropertyBagText;

    QList<Entry> m_entries;
};

} // namespace OlvarControls
