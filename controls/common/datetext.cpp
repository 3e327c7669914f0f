#include "datetext.h"

#include "datetextparser.h"
#include "oleerror.h"

#include <functional>

namespace OlvarControls {

namespace {

// A Qt date/time format with every unquoted run of one letter replaced by what
// rewrite makes of it (the letter and the run's length).
QString rewriteFields(const QString &format, const std::function<QString(QChar, qsizetype)> &rewrite)
{
    QString result;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        qsizetype end = i + 1;
        if (c == QLatin1Char('\'')) {
            end = format.indexOf(QLatin1Char('\''), i + 1);
            end = end < 0 ? format.size() : end + 1;
            result += format.mid(i, end - i);
        } else if (c.isLetter()) {
            while (end < format.size() && format.at(end) == c)
                ++end;
            result += rewrite(c, end - i);
        } else {
            result += c;
        }
        i = end;
    }
    return result;
}

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
    return rewriteFields(locale.dateFormat(QLocale::ShortFormat), [](QChar letter, qsizetype count) {
        return letter == QLatin1Char('y') ? QStringLiteral("yyyy") : QString(count, letter);
    });
}

QString DateText::longTimeFormat(const QLocale &locale)
{
    QString format = rewriteFields(locale.timeFormat(QLocale::LongFormat), [](QChar letter, qsizetype count) {
        return letter == QLatin1Char('t') ? QString() : QString(count, letter);
    });
    format.remove(QLatin1String("()")); // what bracketed the zone: "HH:mm:ss (t)"
    return format.trimmed();
}

QString DateText::shortDate(OleDate date, const QLocale &locale)
{
    checkInRange(date);
    return locale.toString(date.roundedToSecond().date(), shortDateFormat(locale));
}

QString DateText::longTime(OleDate date, const QLocale &locale)
{
    checkInRange(date);
    return locale.toString(date.roundedToSecond().time(), longTimeFormat(locale));
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
    options.today = QDate::currentDate();
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
    options.today = QDate::currentDate();
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
