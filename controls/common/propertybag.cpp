// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "propertybag.h"

#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "propertybagtext_p.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace OlvarControls {

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

PropertyBag::PropertyBag() = default;

QVariant PropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(key);
    return index < 0 ? defaultValue : m_entries.at(index).value;
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    if (key.isEmpty())
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("A property needs a name"));
    if (!isStorable(value))
        throw OleError(ErrorNumber::TypeMismatch,
                       QStringLiteral("The property \"%1\" cannot hold a value of type %2")
                           .arg(key, QString::fromLatin1(value.metaType().name())));
    if (valuesEqual(value, defaultValue)) {
        const qsizetype index = indexOf(key);
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    insert(key, value);
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        result.append(entry.key);
    return result;
}

int PropertyBag::count() const
{
    return int(m_entries.size());
}

void PropertyBag::clear()
{
    m_entries.clear();
}

QString PropertyBag::toText() const
{
    return PropertyBagText::write(*this);
}

PropertyBag PropertyBag::fromText(const QString &text)
{
    return PropertyBagText::read(text);
}

void PropertyBag::saveToFile(const QString &fileName) const
{
    QSaveFile file(fileName);
    const QByteArray data = toText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw OleError(ErrorNumber::PathFileAccessError,
                       QStringLiteral("Cannot write \"%1\": %2").arg(fileName, file.errorString()));
}

PropertyBag PropertyBag::loadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw OleError(ErrorNumber::FileNotFound, QStringLiteral("File not found: \"%1\"").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw OleError(ErrorNumber::PathFileAccessError,
                       QStringLiteral("Cannot read \"%1\": %2").arg(fileName, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    try {
        if (decoder.hasError())
            throw OleError(ErrorNumber::InvalidFileFormat, QStringLiteral("the file is not UTF-8 text"));
        return fromText(text);
    } catch (const OleError &error) {
        throw OleError(error.number(), QStringLiteral("\"%1\": %2").arg(fileName, error.description()));
    }
}

bool PropertyBag::isStorable(const QVariant &value)
{
    if (isEmptyVariant(value) || isNullVariant(value))
        return true;
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QFont:
        return true;
    default:
        return value.metaType() == QMetaType::fromType<OleDate>()
            || value.metaType() == QMetaType::fromType<OleColor>();
    }
}

bool PropertyBag::valuesEqual(const QVariant &value, const QVariant &defaultValue)
{
    if (isEmptyVariant(value) || isEmptyVariant(defaultValue))
        return isEmptyVariant(value) && isEmptyVariant(defaultValue);
    if (isNullVariant(value) || isNullVariant(defaultValue))
        return isNullVariant(value) && isNullVariant(defaultValue);
    if (value.metaType() == defaultValue.metaType())
        return value == defaultValue;
    if (isNumber(value) && isNumber(defaultValue))
        return value.toDouble() == defaultValue.toDouble();
    QVariant converted = defaultValue;
    return converted.convert(value.metaType()) && converted == value;
}

bool operator==(const PropertyBag &a, const PropertyBag &b)
{
    if (a.m_entries.size() != b.m_entries.size())
        return false;
    for (qsizetype i = 0; i < a.m_entries.size(); ++i) {
        const PropertyBag::Entry &x = a.m_entries.at(i);
        const PropertyBag::Entry &y = b.m_entries.at(i);
        if (x.key != y.key || x.value.metaType() != y.value.metaType() || x.value != y.value)
            return false;
    }
    return true;
}

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void PropertyBag::insert(const QString &key, const QVariant &value)
{
    const qsizetype index = indexOf(key);
    if (index >= 0)
        m_entries[index].value = value;
    else
        m_entries.append({key, value});
}

} // namespace OlvarControls
