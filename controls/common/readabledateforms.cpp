// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "readabledateforms.h"

#include "datetextparser.h"
#include "oledate.h"

#include <QHash>
#include <QMutex>
#include <QStringList>

#include <algorithm>

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

// The unquoted fields of format, each as its letters ("dd", "MMM", "AP").
QStringList fieldsOf(const QString &format)
{
    QStringList fields;
    rewriteFields(format, [&fields](QChar letter, qsizetype count) {
        fields.append(QString(count, letter));
        return QString();
    });
    return fields;
}

// The first unquoted field of format whose letter is one of letters, or fallback.
QString fieldOf(const QString &format, QLatin1String letters, const QString &fallback)
{
    for (const QString &field : fieldsOf(format)) {
        if (letters.contains(field.at(0)))
            return field;
    }
    return fallback;
}

// The am/pm marker of a time format as Qt writes it ("AP", "ap", "a"), or nothing.
QString meridiemOf(const QString &format)
{
    const QStringList fields = fieldsOf(format);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].compare(QLatin1String("a"), Qt::CaseInsensitive) != 0)
            continue;
        const bool withP = i + 1 < fields.size() && fields[i + 1].compare(QLatin1String("p"), Qt::CaseInsensitive) == 0;
        return withP ? fields[i] + fields[i + 1] : fields[i];
    }
    return QString();
}

// The first of "/", "-" and "." in the locale's short date, or "/".
QChar dateSeparatorOf(const QString &format)
{
    const QString separators = rewriteFields(format, [](QChar, qsizetype) { return QString(); });
    for (const QChar c : separators) {
        if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.'))
            return c;
    }
    return QLatin1Char('/');
}

QString numericDateFormat(const QLocale &locale, const QString &own)
{
    const QString day =
        fieldOf(own, QLatin1String("d"), QStringLiteral("d")).size() == 2 ? QStringLiteral("dd") : QStringLiteral("d");
    const QString month =
        fieldOf(own, QLatin1String("M"), QStringLiteral("M")).size() == 1 ? QStringLiteral("M") : QStringLiteral("MM");
    const QString year = QStringLiteral("yyyy");
    const QChar separator = dateSeparatorOf(own);
    // The fields by their letter, in the order of DateTextParser::FieldOrder's values.
    static const char *const orders[] = {"DMY", "MDY", "YMD", "YDM"};
    QStringList order;
    for (const char *letter = orders[DateTextParser::localeOrder(locale)]; *letter; ++letter)
        order.append(*letter == 'D' ? day : *letter == 'M' ? month : year);
    return order.join(separator);
}

struct Form
{
    QLocale locale;
    QString format;
};

QList<Form> dateCandidates(const QLocale &locale)
{
    const QString own = ReadableDateForms::ownShortDateFormat(locale);
    return {{locale, own}, {locale, numericDateFormat(locale, own)}, {QLocale::c(), QStringLiteral("yyyy-MM-dd")}};
}

QList<Form> timeCandidates(const QLocale &locale)
{
    const QString own = ReadableDateForms::ownLongTimeFormat(locale);
    QList<Form> forms{{locale, own}};
    const QString hour = fieldOf(own, QLatin1String("hH"), QStringLiteral("H"));
    if (const QString marker = meridiemOf(own); !marker.isEmpty())
        forms.append({locale, hour.toLower() + QLatin1String(":mm:ss ") + marker});
    forms.append({locale, hour.toUpper() + QLatin1String(":mm:ss")});
    forms.append({QLocale::c(), QStringLiteral("HH:mm:ss")});
    return forms;
}

bool readsBack(const QString &text, OleDate expected, const QLocale &locale)
{
    DateTextParser::Options options;
    options.locale = locale;
    options.order = DateTextParser::localeOrder(locale);
    options.today = QDate(2000, 1, 1);
    const std::optional<OleDate> back = DateTextParser::parse(text, options);
    return back && *back == expected;
}

// Dates far apart, with days above 12, and times on both halves of the day.
const QDate sampleDates[] = {QDate(2026, 3, 9), QDate(2026, 12, 28), QDate(100, 1, 1), QDate(9999, 12, 31),
                             QDate(1899, 12, 29)};
const QTime sampleTimes[] = {QTime(0, 0),   QTime(1, 2, 3),  QTime(12, 30),
                             QTime(13, 45), QTime(21, 5, 9), QTime(23, 59, 59)};

bool datesReadBack(const Form &form, const QLocale &locale)
{
    for (const QDate &date : sampleDates) {
        if (!readsBack(form.locale.toString(date, form.format), OleDate::fromDate(date), locale))
            return false;
    }
    return true;
}

bool timesReadBack(const Form &form, const QLocale &locale)
{
    for (const QTime &time : sampleTimes) {
        if (!readsBack(form.locale.toString(time, form.format), OleDate::fromTime(time), locale))
            return false;
    }
    return true;
}

bool bothReadBack(const Form &date, const Form &time, const QLocale &locale)
{
    for (const QDate &day : sampleDates) {
        for (const QTime &at : {sampleTimes[1], sampleTimes[3]}) {
            const QString text =
                date.locale.toString(day, date.format) + QLatin1Char(' ') + time.locale.toString(at, time.format);
            if (!readsBack(text, OleDate::fromDateAndTime(day, at), locale))
                return false;
        }
    }
    return true;
}

QString cacheKey(const QLocale &locale)
{
    return QStringList{locale.bcp47Name(),
                       locale.dateFormat(QLocale::ShortFormat),
                       locale.timeFormat(QLocale::LongFormat),
                       locale.zeroDigit(),
                       locale.amText(),
                       locale.pmText()}
        .join(QChar(1));
}

} // namespace

ReadableDateForms::ReadableDateForms(const QLocale &locale)
{
    static QMutex mutex;
    static QHash<QString, ReadableDateForms> known;
    const QString key = cacheKey(locale);
    const QMutexLocker lock(&mutex);
    const auto found = known.constFind(key);
    *this = found != known.cend() ? *found : *known.insert(key, find(locale));
}

ReadableDateForms ReadableDateForms::find(const QLocale &locale)
{
    // The candidates that read back alone; the last, plainest one is kept whatever happens.
    const auto readable = [&locale](const QList<Form> &forms, bool (*readsBack)(const Form &, const QLocale &)) {
        QList<Form> kept;
        for (qsizetype i = 0; i + 1 < forms.size(); ++i) {
            if (readsBack(forms[i], locale))
                kept.append(forms[i]);
        }
        kept.append(forms.last());
        return kept;
    };
    const QList<Form> dates = readable(dateCandidates(locale), datesReadBack);
    const QList<Form> times = readable(timeCandidates(locale), timesReadBack);
    ReadableDateForms forms;
    for (const Form &date : dates) {
        for (const Form &time : times) {
            forms.m_dateLocale = date.locale;
            forms.m_dateFormat = date.format;
            forms.m_timeLocale = time.locale;
            forms.m_timeFormat = time.format;
            if (bothReadBack(date, time, locale))
                return forms;
        }
    }
    return forms; // the plainest forms, which every locale reads
}

QString ReadableDateForms::ownShortDateFormat(const QLocale &locale)
{
    return rewriteFields(locale.dateFormat(QLocale::ShortFormat), [](QChar letter, qsizetype count) {
        return letter == QLatin1Char('y') ? QStringLiteral("yyyy") : QString(count, letter);
    });
}

QString ReadableDateForms::ownLongTimeFormat(const QLocale &locale)
{
    QString format = rewriteFields(locale.timeFormat(QLocale::LongFormat), [](QChar letter, qsizetype count) {
        return letter == QLatin1Char('t') ? QString() : QString(count, letter);
    });
    // What bracketed the zone: "HH:mm:ss (t)", "h:mm:ss [t]".
    format.remove(QLatin1String("()"));
    format.remove(QLatin1String("[]"));
    return format.trimmed();
}

} // namespace OlvarControls
