// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateformatter.h"

#include "datenames.h"
#include "datetext.h"
#include "oleerror.h"

#include <algorithm>

namespace OlvarControls {

namespace {

// One part of a pattern: a field with its letter count, or literal text.
struct Field
{
    enum Kind { Literal, Day, Month, Year, Hour, Minute, Second, Meridiem, Weekday, Quarter, General };
    Kind kind = Literal;
    qsizetype count = 0;
    QString text; // the literal, or the marker pattern as written ("AM/PM")
};

Field::Kind kindOfLetter(QChar letter)
{
    switch (letter.toLower().unicode()) {
    case 'd':
        return Field::Day;
    case 'm':
        return Field::Month;
    case 'y':
        return Field::Year;
    case 'h':
        return Field::Hour;
    case 'n':
        return Field::Minute;
    case 's':
        return Field::Second;
    case 'w':
        return Field::Weekday;
    case 'q':
        return Field::Quarter;
    case 'c':
        return Field::General;
    default:
        return Field::Literal;
    }
}

// The length of the am/pm marker pattern at position i of pattern, or 0.
qsizetype meridiemLength(const QString &pattern, qsizetype i)
{
    for (QLatin1String marker : {QLatin1String("am/pm"), QLatin1String("ampm"), QLatin1String("a/p")}) {
        if (QStringView(pattern).mid(i, marker.size()).compare(marker, Qt::CaseInsensitive) == 0)
            return marker.size();
    }
    return 0;
}

void appendLiteral(QList<Field> &fields, QStringView text)
{
    if (fields.isEmpty() || fields.last().kind != Field::Literal)
        fields.append(Field());
    fields.last().text += text;
}

QList<Field> scan(const QString &pattern)
{
    QList<Field> fields;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                close = pattern.size();
            appendLiteral(fields, QStringView(pattern).mid(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == QLatin1Char('\\')) {
            appendLiteral(fields, QStringView(pattern).mid(i + 1, 1));
            i += 2;
        } else if (const qsizetype length = meridiemLength(pattern, i)) {
            fields.append(Field{Field::Meridiem, length, pattern.mid(i, length)});
            i += length;
        } else if (const Field::Kind kind = kindOfLetter(c); kind != Field::Literal) {
            qsizetype end = i + 1;
            while (end < pattern.size() && pattern.at(end).toLower() == c.toLower())
                ++end;
            fields.append(Field{kind, end - i, QString()});
            i = end;
        } else {
            appendLiteral(fields, QStringView(&c, 1));
            ++i;
        }
    }
    return fields;
}

// The field next to index i in direction step (1 or -1), literals skipped; Literal when none.
Field::Kind neighbourKind(const QList<Field> &fields, qsizetype i, qsizetype step)
{
    for (i += step; i >= 0 && i < fields.size(); i += step) {
        if (fields[i].kind != Field::Literal)
            return fields[i].kind;
    }
    return Field::Literal;
}

// m and mm mean minutes right after an hour or right before seconds.
void resolveMinutes(QList<Field> &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == Field::Month && fields[i].count <= 2
            && (neighbourKind(fields, i, -1) == Field::Hour || neighbourKind(fields, i, 1) == Field::Second))
            fields[i].kind = Field::Minute;
    }
}

QString number(int value, qsizetype count, int width = 2)
{
    return count > 1 ? QString::number(value).rightJustified(width, QLatin1Char('0')) : QString::number(value);
}

// The week of the year, weeks starting on Sunday and week 1 holding 1 January.
int weekOfYear(QDate date)
{
    const int firstWeekday = OleDate::fromDate(QDate(date.year(), 1, 1)).weekday();
    return (date.dayOfYear() - 1 + firstWeekday - 1) / 7 + 1;
}

QString dayText(OleDate date, qsizetype count, const QLocale &locale)
{
    const DateNames names(locale);
    switch (count) {
    case 1:
    case 2:
        return number(date.date().day(), count);
    case 3:
        return names.dayName(date.weekday(), QLocale::ShortFormat);
    case 4:
        return names.dayName(date.weekday(), QLocale::LongFormat);
    case 5:
        return DateText::shortDate(date, locale);
    default:
        return locale.toString(date.date(), QLocale::LongFormat);
    }
}

QString monthText(QDate date, qsizetype count, const QLocale &locale)
{
    if (count <= 2)
        return number(date.month(), count);
    return DateNames(locale).monthName(date.month(), count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
}

QString yearText(QDate date, qsizetype count)
{
    if (count == 1)
        return QString::number(date.dayOfYear());
    if (count == 2)
        return number(date.year() % 100, 2);
    return number(date.year(), 2, 4);
}

QString meridiemText(const Field &field, bool afternoon, const QLocale &locale)
{
    switch (field.count) {
    case 5: // am/pm, in the case written
        return afternoon ? field.text.mid(3, 2) : field.text.left(2);
    case 3: // a/p
        return afternoon ? field.text.mid(2, 1) : field.text.left(1);
    default: // ampm: the locale's own
        return DateNames(locale).meridiemText(!afternoon);
    }
}

} // namespace

QString DateFormatter::format(OleDate date, const QString &pattern, const QLocale &locale)
{
    if (!date.isValid())
        throw OleError(ErrorNumber::InvalidProcedureCall);
    date = date.roundedToSecond();
    const QDate day = date.date();
    const QTime time = date.time();

    QList<Field> fields = scan(pattern);
    resolveMinutes(fields);
    const bool twelveHour =
        std::any_of(fields.cbegin(), fields.cend(), [](const Field &field) { return field.kind == Field::Meridiem; });

    QString result;
    for (const Field &field : std::as_const(fields)) {
        switch (field.kind) {
        case Field::Literal:
            result += field.text;
            break;
        case Field::Day:
            result += dayText(date, field.count, locale);
            break;
        case Field::Month:
            result += monthText(day, field.count, locale);
            break;
        case Field::Year:
            result += yearText(day, field.count);
            break;
        case Field::Hour:
            result += number(twelveHour ? (time.hour() + 11) % 12 + 1 : time.hour(), field.count);
            break;
        case Field::Minute:
            result += number(time.minute(), field.count);
            break;
        case Field::Second:
            result += number(time.second(), field.count);
            break;
        case Field::Meridiem:
            result += meridiemText(field, time.hour() >= 12, locale);
            break;
        case Field::Weekday:
            result += QString::number(field.count == 1 ? date.weekday() : weekOfYear(day));
            break;
        case Field::Quarter:
            result += QString::number((day.month() - 1) / 3 + 1);
            break;
        case Field::General:
            result += DateText::general(date, locale);
            break;
        }
    }
    return result;
}

} // namespace OlvarControls
