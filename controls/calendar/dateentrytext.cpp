// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateentrytext.h"

#include "dateformatter.h"
#include "datetext.h"
#include "numberconversion.h"
#include "olevariant.h"

namespace OlvarControls {

QString DateEntryText::emptyMask()
{
    return QStringLiteral("  /  /    ");
}

std::optional<OleDate> DateEntryText::read(const QString &text, const QString &dateFormat)
{
    if (writesDayFirst(dateFormat)) {
        if (const std::optional<OleDate> date = DateText::tryParseDayMonthYear(text))
            return date;
    }
    return DateText::tryParse(text);
}

QString DateEntryText::format(const QVariant &value, const QString &dateFormat)
{
    if (isEmptyVariant(value) || isNullVariant(value))
        return QString();
    if (const std::optional<OleDate> date = dateValue(value))
        return format(*date, dateFormat);
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString();
        const std::optional<OleDate> date = DateText::tryParse(text);
        return date ? format(*date, dateFormat) : text;
    }
    bool isNumber = false;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        isNumber = true;
        break;
    default:
        break;
    }
    return isNumber ? format(OleDate(NumberConversion::toDouble(value)), dateFormat) : value.toString();
}

std::optional<OleDate> DateEntryText::dateValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return OleDate::fromDate(value.toDate());
    case QMetaType::QDateTime:
        return OleDate::fromDateTime(value.toDateTime());
    default:
        if (value.metaType() == QMetaType::fromType<OleDate>())
            return value.value<OleDate>();
        return std::nullopt;
    }
}

QString DateEntryText::format(OleDate date, const QString &dateFormat)
{
    return dateFormat.isEmpty() ? DateText::general(date) : DateFormatter::format(date, dateFormat);
}

bool DateEntryText::writesDayFirst(const QString &dateFormat)
{
    const QString pattern = dateFormat.toLower();
    int dayAt = -1;
    int monthAt = -1;
    QChar previousLetter;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == u'"') { // quoted text
            const int close = pattern.indexOf(u'"', i + 1);
            i = close < 0 ? int(pattern.size()) : close + 1;
            continue;
        }
        if (c == u'\\') { // an escaped character
            i += 2;
            continue;
        }
        int run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == c)
            ++run;
        if (c.isLetter()) {
            const bool numeric = run <= 2;
            if (c == u'd' && numeric && dayAt < 0)
                dayAt = i;
            // m or mm right after an hour are minutes
            if (c == u'm' && numeric && monthAt < 0 && previousLetter != u'h')
                monthAt = i;
            previousLetter = c;
        }
        i += run;
    }
    return dayAt >= 0 && monthAt >= 0 && dayAt < monthAt;
}

} // namespace OlvarControls
