// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Fuzz target for the date readers and the formatter.
//
// Input: one byte choosing the locale, eight bytes of a serial date (a double,
// little-endian), then a text that is read as a date and used as a pattern.
// Properties:
// - a text read as a date gives a date in the platform's range, whose general
//   date text reads back as the same date;
// - the general date text of every date in range reads back as that date to
//   the second, in every locale; a date out of range is refused with error 5;
// - the formatter writes every date in range with any pattern, and refuses
//   dates out of range with error 5.

#include "datetext.h"
#include "dateformatter.h"
#include "fuzzsupport.h"
#include "oleerror.h"

#include <QLocale>

#include <cstring>

using OlvarControls::DateFormatter;
using OlvarControls::DateText;
using OlvarControls::OleDate;
using OlvarControls::OleError;
using OlvarFuzz::check;

namespace {

// Locales with every kind of short date and long time: dots as time separators,
// words around the numbers, markers before the time, digits of other scripts.
const char *const localeNames[] = {"en_GB", "en_US", "de_DE", "da_DK", "fi_FI",  "ja_JP", "ko_KR", "fr_CA",
                                   "bg_BG", "zh_TW", "es_US", "ar_EG", "ccp_BD", "hu_HU", "ta_IN", "nn_NO"};

void checkRoundTrip(OleDate date, const QLocale &locale, const QString &input)
{
    const QString text = DateText::general(date, locale);
    const auto back = DateText::tryParse(text, locale);
    check(back.has_value(), "the general date text reads back", input + QLatin1String(" -> ") + text);
    check(*back == date.roundedToSecond(), "the general date text reads back as the same date",
          input + QLatin1String(" -> ") + text);
}

void checkRead(const std::optional<OleDate> &date, const QLocale &locale, const QString &input)
{
    if (!date)
        return;
    check(date->isValid(), "a date read from a text lies in the date range", input);
    checkRoundTrip(*date, locale, input);
}

// Runs call; true when it returned, false when it raised error 5. Anything else stops the run.
template <typename Call>
bool returnsOrRaises5(Call &&call, const QString &input)
{
    try {
        call();
        return true;
    } catch (const OleError &error) {
        check(error.number() == 5, "a date out of range raises error 5", input);
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    OlvarFuzz::ensureApplication();
    if (size < 9)
        return 0;
    const QLocale locale(QString::fromLatin1(localeNames[data[0] % std::size(localeNames)]));
    double days = 0;
    std::memcpy(&days, data + 1, sizeof days);
    const OleDate date(days);
    const QString text = OlvarFuzz::textOf(data + 9, size - 9);
    const QString input = locale.name() + QLatin1String(" ") + QString::number(days, 'g', 17) + QLatin1String(" \"")
        + text + QLatin1String("\"");

    checkRead(DateText::tryParse(text, locale), locale, input);
    checkRead(DateText::tryParseDayMonthYear(text), locale, input);

    const bool written = returnsOrRaises5([&] { (void)DateFormatter::format(date, text, locale); }, input);
    check(written == date.isValid(), "the formatter writes exactly the dates in range", input);
    if (date.isValid())
        checkRoundTrip(date, locale, input);
    return 0;
}
