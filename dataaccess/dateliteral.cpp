// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateliteral.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace OlvarControls::DataAccess {

namespace {

// A month name of the user's language found whole in a literal is replaced by this mark plus its number.
constexpr char16_t monthMark = 0xE000;

// The literal with the first of the user's month names it holds (the longest that fits) marked as a
// field of its own: such names may hold blanks, hyphens or dots, or be one or two letters long.
QString markedMonthName(const QString &text)
{
    const QLocale locale;
    QList<std::pair<QString, int>> names;
    for (int month = 1; month <= 12; ++month) {
        for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            names.append({locale.monthName(month, format), month});
            names.append({locale.standaloneMonthName(month, format), month});
        }
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    for (const auto &[name, month] : names) {
        // A name of plain digits ("12") cannot be told from the day or the year.
        const bool plainNumber =
            std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 128 && c.isDigit(); });
        const qsizetype at = plainNumber ? -1 : text.indexOf(name, 0, Qt::CaseInsensitive);
        if (at >= 0) {
            const QString mark = QLatin1Char(' ') + QChar(char16_t(monthMark + month)) + QLatin1Char(' ');
            return text.left(at) + mark + text.mid(at + name.size());
        }
    }
    return text;
}

// 1 to 12 for a month name or an abbreviation of at least three letters; 0 otherwise.
int monthFromName(const QString &word)
{
    if (word.size() == 1 && word.at(0).unicode() > monthMark && word.at(0).unicode() <= monthMark + 12)
        return word.at(0).unicode() - monthMark;
    static const char *const english[] = {"january", "february", "march",     "april",   "may",      "june",
                                          "july",    "august",   "september", "october", "november", "december"};
    QString name = word.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.size() < 3)
        return 0;
    const QLocale locale;
    for (int month = 1; month <= 12; ++month) {
        if (QLatin1String(english[month - 1]).startsWith(name))
            return month;
        const QString longName = locale.monthName(month, QLocale::LongFormat).toLower();
        QString shortName = locale.monthName(month, QLocale::ShortFormat).toLower();
        if (shortName.endsWith(QLatin1Char('.')))
            shortName.chop(1);
        if (name == longName || name == shortName)
            return month;
    }
    return 0;
}

int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

bool isNumber(const QString &field)
{
    if (field.isEmpty())
        return false;
    for (QChar c : field) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

std::optional<QDate> numericDate(const QStringList &fields)
{
    if (fields.size() == 3 && fields.at(0).size() == 4)
        return QDate(fields.at(0).toInt(), fields.at(1).toInt(), fields.at(2).toInt());
    int month = fields.at(0).toInt();
    int day = fields.at(1).toInt();
    const int year = fields.size() == 3 ? fullYear(fields.at(2)) : QDate::currentDate().year();
    if (month > 12 && day <= 12)
        std::swap(month, day);
    return QDate(year, month, day);
}

std::optional<QDate> namedMonthDate(const QStringList &fields)
{
    if (fields.size() != 3)
        return std::nullopt;
    if (const int month = monthFromName(fields.at(0)); month && isNumber(fields.at(1)) && isNumber(fields.at(2)))
        return QDate(fullYear(fields.at(2)), month, fields.at(1).toInt());
    if (const int month = monthFromName(fields.at(1)); month && isNumber(fields.at(0)) && isNumber(fields.at(2)))
        return QDate(fullYear(fields.at(2)), month, fields.at(0).toInt());
    return std::nullopt;
}

std::optional<QDate> parseDate(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s/\\-.,]+"));
    QStringList fields = text.split(separators, Qt::SkipEmptyParts);
    // Digits of another script are a month name written in them (Dzongkha's "༡" is January).
    const bool numeric = std::all_of(fields.cbegin(), fields.cend(), [](const QString &field) {
        return isNumber(field) && std::all_of(field.cbegin(), field.cend(), [](QChar c) { return c.unicode() < 128; });
    });
    if (!numeric)
        fields = markedMonthName(text).split(separators, Qt::SkipEmptyParts);
    if (fields.size() < 2 || fields.size() > 3)
        return std::nullopt;
    const std::optional<QDate> date = numeric ? numericDate(fields) : namedMonthDate(fields);
    if (!date || !date->isValid() || date->year() < 100 || date->year() > 9999)
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTime(const QRegularExpressionMatch &match)
{
    int hour = match.captured(QStringLiteral("hour")).toInt();
    const int minute = match.captured(QStringLiteral("minute")).toInt();
    const int second = match.captured(QStringLiteral("second")).toInt();
    const QString half = (match.captured(QStringLiteral("half")) + match.captured(QStringLiteral("half2"))).toLower();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = (hour % 12) + (half.startsWith(QLatin1Char('p')) ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace

std::optional<OleDate> DateLiteral::parse(QStringView text)
{
    // The time, if any, ends the literal: "10:00", "10:00:00 PM", "10 PM".
    static const QRegularExpression timePattern(QStringLiteral(
        "(?:^|\\s)(?<hour>\\d{1,2})(?::(?<minute>\\d{1,2})(?::(?<second>\\d{1,2}))?\\s*(?<half>[AaPp][Mm]?)?"
        "|\\s*(?<half2>[AaPp][Mm]))\\s*$"));
    const QString literal = text.trimmed().toString();
    if (literal.isEmpty())
        return std::nullopt;

    QString datePart = literal;
    std::optional<QTime> time;
    const QRegularExpressionMatch match = timePattern.match(literal);
    if (match.hasMatch()) {
        time = parseTime(match);
        if (!time)
            return std::nullopt;
        datePart = literal.left(match.capturedStart()).trimmed();
    }

    if (datePart.isEmpty())
        return time ? std::optional<OleDate>(OleDate::fromTime(*time)) : std::nullopt;
    const std::optional<QDate> date = parseDate(datePart);
    if (!date)
        return std::nullopt;
    return OleDate::fromDateAndTime(*date, time.value_or(QTime(0, 0)));
}

} // namespace OlvarControls::DataAccess
