// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetext.h"

#include "datetextparser.h"
#include "oleerror.h"
#include "readabledateforms.h"
#include "scheduler.h"

namespace OlvarControls {

namespace {

void checkInRange(OleDate date)
{
    if (!date.isValid())
        throw OleError(ErrorNumber::InvalidProcedureCall);
}

OleDate orTypeMismatch(const std::optional<OleDate> &date)
{
    if (!date)
        throw OleError(ErrorNumber::TypeMismatch);
    return *date;
}

} // namespace

QString DateText::shortDateFormat(const QLocale &locale)
{
    return ReadableDateForms(locale).shortDateFormat();
}

QString DateText::longTimeFormat(const QLocale &locale)
{
    return ReadableDateForms(locale).longTimeFormat();
}

QString DateText::shortDate(OleDate date, const QLocale &locale)
{
    checkInRange(date);
    return ReadableDateForms(locale).date(date.roundedToSecond().date());
}

QString DateText::longTime(OleDate date, const QLocale &locale)
{
    checkInRange(date);
    return ReadableDateForms(locale).time(date.roundedToSecond().time());
}

QString DateText::general(OleDate date, const QLocale &locale)
{
    checkInRange(date);
    const OleDate rounded = date.roundedToSecond();
    if (rounded.isTimeOnly())
        return longTime(rounded, locale);
    if (rounded.isDateOnly())
        return shortDate(rounded, locale);
    return shortDate(rounded, locale) + QLatin1Char(' ') + longTime(rounded, locale);
}

bool DateText::isDate(const QString &text, const QLocale &locale)
{
    return tryParse(text, locale).has_value();
}

std::optional<OleDate> DateText::tryParse(const QString &text, const QLocale &locale)
{
    DateTextParser::Options options;
    options.locale = locale;
    options.order = DateTextParser::localeOrder(locale);
    options.today = Scheduler::instance().today().date();
    return DateTextParser::parse(text, options);
}

OleDate DateText::toDate(const QString &text, const QLocale &locale)
{
    return orTypeMismatch(tryParse(text, locale));
}

std::optional<OleDate> DateText::tryParseDayMonthYear(const QString &text)
{
    DateTextParser::Options options;
    options.order = DateTextParser::DayMonthYear;
    options.tryOtherOrder = false;
    options.today = Scheduler::instance().today().date();
    return DateTextParser::parse(text, options);
}

OleDate DateText::toDateDayMonthYear(const QString &text)
{
    return orTypeMismatch(tryParseDayMonthYear(text));
}

namespace {

// QVariant conversions between OleDate and QString: the general date text one
// way, the general reader the other, failing for a text that names no date.
void registerDateTextConverters()
{
    QMetaType::registerConverterFunction(
        [](const void *from, void *to) {
            const OleDate date = *static_cast<const OleDate *>(from);
            if (!date.isValid())
                return false;
            *static_cast<QString *>(to) = DateText::general(date);
            return true;
        },
        QMetaType::fromType<OleDate>(), QMetaType::fromType<QString>());
    QMetaType::registerConverterFunction(
        [](const void *from, void *to) {
            const auto date = DateText::tryParse(*static_cast<const QString *>(from));
            if (date)
                *static_cast<OleDate *>(to) = *date;
            return date.has_value();
        },
        QMetaType::fromType<QString>(), QMetaType::fromType<OleDate>());
}

Q_CONSTRUCTOR_FUNCTION(registerDateTextConverters)

} // namespace

} // namespace OlvarControls
