// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetextparser.h"

#include "datenames.h"
#include "datetexttokenizer.h"

namespace OlvarControls {

namespace {

const QChar NoSeparator;
const QChar Blank(QLatin1Char(' '));
const QChar TimeSeparator(QLatin1Char(':'));

// A token with its meaning: a number, or a word naming a month, a weekday or a
// half of the day; and the one separator before it (blanks aside).
struct Item
{
    enum Kind { Number, Month, Weekday, Meridiem };
    Kind kind = Number;
    int value = 0; // the number, the month, or a DateNames::Meridiem
    qsizetype digits = 0; // for numbers
    QChar separator; // NoSeparator, Blank, or one of / - . :
    bool spaced = false; // whether blanks stand before it
};

using Items = QList<Item>;

std::optional<Items> classify(const QList<DateTextToken> &tokens, const DateNames &names)
{
    Items items;
    for (const DateTextToken &token : tokens) {
        Item item;
        QString separators = token.gap;
        separators.remove(Blank);
        if (separators.size() > 1)
            return std::nullopt;
        item.separator = !separators.isEmpty() ? separators.at(0) : token.gap.isEmpty() ? NoSeparator : Blank;
        item.spaced = token.gap.contains(Blank);
        if (token.kind == DateTextToken::Number) {
            item.value = token.value;
            item.digits = token.text.toUcs4().size(); // digits, not UTF-16 units
        } else if (const int month = names.monthFromName(token.text)) {
            item.kind = Item::Month;
            item.value = month;
        } else if (const DateNames::Meridiem meridiem = names.meridiemFromName(token.text)) {
            item.kind = Item::Meridiem;
            item.value = meridiem;
        } else if (names.isDayName(token.text)) {
            item.kind = Item::Weekday;
        } else {
            return std::nullopt;
        }
        items.append(item);
    }
    return items;
}

bool isBlankOrNone(QChar separator)
{
    return separator == Blank || separator == NoSeparator;
}

// The time of day found in items, which are left with the date's items alone.
// Gives nothing for a malformed time; an invalid QTime when there is none.
std::optional<QTime> takeTime(Items &items)
{
    qsizetype begin = -1;
    qsizetype end = 0;
    int fields[3] = {0, 0, 0};
    for (qsizetype i = 0; i + 1 < items.size(); ++i) {
        if (items[i].kind == Item::Number && items[i + 1].kind == Item::Number
            && items[i + 1].separator == TimeSeparator) {
            begin = i;
            break;
        }
    }
    if (begin >= 0) {
        end = begin;
        int count = 0;
        while (end < items.size() && count < 3 && items[end].kind == Item::Number
               && (end == begin || items[end].separator == TimeSeparator))
            fields[count++] = items[end++].value;
    } else {
        for (qsizetype i = 1; i < items.size() && begin < 0; ++i) {
            if (items[i].kind == Item::Meridiem && items[i - 1].kind == Item::Number)
                begin = i - 1; // an hour alone: "9 pm"
        }
        if (begin < 0)
            return QTime();
        fields[0] = items[begin].value;
        end = begin + 1;
    }

    int hour = fields[0];
    if (end < items.size() && items[end].kind == Item::Meridiem && isBlankOrNone(items[end].separator)) {
        if (hour > 12)
            return std::nullopt;
        hour = hour % 12 + (items[end].value == DateNames::Afternoon ? 12 : 0);
        ++end;
    }
    if (hour > 23 || fields[1] > 59 || fields[2] > 59)
        return std::nullopt;

    // The date may stand before or after the time, apart from it by blanks.
    const bool dateBefore = begin > 0;
    const bool dateAfter = end < items.size();
    if ((dateBefore && dateAfter) || (dateBefore && !items[begin].spaced) || (dateAfter && !items[end].spaced))
        return std::nullopt;
    items.remove(begin, end - begin);
    return QTime(hour, fields[1], fields[2]);
}

bool isDefiniteYear(const Item &item)
{
    return item.digits >= 3 || item.value > 31;
}

// The date the numbers give when each plays the part named by the letter of
// roles at its index: D day, M month, Y year. Parts not named keep the values passed.
std::optional<QDate> dateFromRoles(const Items &numbers, const QString &roles, int day, int month, int year)
{
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int value = numbers[i].value;
        switch (roles.at(i).unicode()) {
        case 'D':
            day = value;
            break;
        case 'M':
            month = value;
            break;
        default:
            year = DateTextParser::expandYear(value);
            break;
        }
    }
    if (year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

QString orderRoles(DateTextParser::FieldOrder order)
{
    switch (order) {
    case DateTextParser::MonthDayYear:
        return QStringLiteral("MDY");
    case DateTextParser::YearMonthDay:
        return QStringLiteral("YMD");
    case DateTextParser::YearDayMonth:
        return QStringLiteral("YDM");
    case DateTextParser::DayMonthYear:
        break;
    }
    return QStringLiteral("DMY");
}

QString swapDayAndMonth(QString roles)
{
    for (QChar &c : roles) {
        if (c == QLatin1Char('D'))
            c = QLatin1Char('M');
        else if (c == QLatin1Char('M'))
            c = QLatin1Char('D');
    }
    return roles;
}

// The date of numbers without a month name.
std::optional<QDate> numericDate(const Items &numbers, const DateTextParser::Options &options)
{
    QString roles;
    int day = 0;
    if (numbers.size() == 3) {
        roles = isDefiniteYear(numbers[0]) ? QStringLiteral("YMD") : orderRoles(options.order);
    } else if (isDefiniteYear(numbers[1])) {
        roles = QStringLiteral("MY"); // "3/2026": the first of the month
        day = 1;
    } else if (isDefiniteYear(numbers[0])) {
        roles = QStringLiteral("YM");
        day = 1;
    } else {
        roles = orderRoles(options.order).remove(QLatin1Char('Y')); // "7/3": this year
    }
    const int year = options.today.year();
    if (const auto date = dateFromRoles(numbers, roles, day, 0, year))
        return date;
    if (options.tryOtherOrder)
        return dateFromRoles(numbers, swapDayAndMonth(roles), day, 0, year);
    return std::nullopt;
}

// The date of a month name and one or two numbers.
std::optional<QDate> namedMonthDate(const Items &numbers, int month, const DateTextParser::Options &options)
{
    if (numbers.size() == 1) // "March 2026" or "7 March"
        return isDefiniteYear(numbers[0]) ? dateFromRoles(numbers, QStringLiteral("Y"), 1, month, 0)
                                          : dateFromRoles(numbers, QStringLiteral("D"), 0, month, options.today.year());
    if (isDefiniteYear(numbers[0]) && isDefiniteYear(numbers[1]))
        return std::nullopt;
    return dateFromRoles(numbers, isDefiniteYear(numbers[0]) ? QStringLiteral("YD") : QStringLiteral("DY"), 0, month,
                         0);
}

// The date of the items left once the time is taken; an invalid QDate when there are none.
std::optional<QDate> takeDate(Items items, const DateTextParser::Options &options)
{
    while (!items.isEmpty() && items.first().kind == Item::Weekday)
        items.removeFirst();
    while (!items.isEmpty() && items.last().kind == Item::Weekday && isBlankOrNone(items.last().separator))
        items.removeLast();
    if (items.isEmpty())
        return QDate();
    if (items.size() < 2 || items.size() > 3)
        return std::nullopt;

    Items numbers;
    int month = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        if (item.kind == Item::Weekday || item.kind == Item::Meridiem || (i > 0 && item.separator == TimeSeparator))
            return std::nullopt;
        if (item.kind == Item::Month) {
            if (month != 0)
                return std::nullopt;
            month = item.value;
        } else {
            numbers.append(item);
        }
    }
    return month != 0 ? namedMonthDate(numbers, month, options) : numericDate(numbers, options);
}

} // namespace

std::optional<OleDate> DateTextParser::parse(QStringView text, const Options &options)
{
    const auto tokens = DateTextTokenizer::tokenize(text);
    if (!tokens || tokens->isEmpty())
        return std::nullopt;
    auto items = classify(*tokens, DateNames(options.locale));
    if (!items || !isBlankOrNone(items->first().separator))
        return std::nullopt;

    const std::optional<QTime> time = takeTime(*items);
    if (!time)
        return std::nullopt;
    const std::optional<QDate> date = takeDate(*items, options);
    if (!date || (!date->isValid() && !time->isValid()))
        return std::nullopt;
    return OleDate::fromDateAndTime(date->isValid() ? *date : OleDate().date(), *time);
}

DateTextParser::FieldOrder DateTextParser::localeOrder(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0 || year < 0)
        return DayMonthYear;
    if (year < day && year < month)
        return month < day ? YearMonthDay : YearDayMonth;
    return day < month ? DayMonthYear : MonthDayYear;
}

int DateTextParser::expandYear(int year)
{
    if (year < 30)
        return 2000 + year;
    if (year < 100)
        return 1900 + year;
    return year;
}

} // namespace OlvarControls
