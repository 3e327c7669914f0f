// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetestsupport.h"
#include "datetext.h"
#include "datetextparser.h"
#include "oleerror.h"
#include "testenvironment.h"

#include <QVariant>

#include <gtest/gtest.h>

using OlvarControls::DateText;
using OlvarControls::DateTextParser;
using OlvarControls::OleDate;
using OlvarControls::OleError;
using namespace DateTestSupport;

namespace {

const QLocale enGB(QStringLiteral("en_GB"));
const QLocale enUS(QStringLiteral("en_US"));
const QLocale deDE(QStringLiteral("de_DE"));

std::optional<OleDate> read(const char *text, const QLocale &locale = enGB)
{
    return DateText::tryParse(QString::fromUtf8(text), locale);
}

} // namespace

TEST(DateTextGeneral, DateAloneTimeAloneOrBoth)
{
    EXPECT_EQ(DateText::general(at(2026, 3, 7), enGB), QStringLiteral("07/03/2026"));
    EXPECT_EQ(DateText::general(timeOfDay(10, 0), enGB), QStringLiteral("10:00:00"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10), enGB), QStringLiteral("07/03/2026 10:00:00"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10), enUS), QStringLiteral("3/7/2026 10:00:00 AM"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 22, 5, 9), enUS), QStringLiteral("3/7/2026 10:05:09 PM"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10), deDE), QStringLiteral("07.03.2026 10:00:00"));
    EXPECT_EQ(DateText::general(OleDate(0), enGB), QStringLiteral("00:00:00")); // day 0 at midnight is a time
    EXPECT_EQ(DateText::general(at(1899, 12, 29), enGB), QStringLiteral("29/12/1899"));
    EXPECT_EQ(DateText::general(OleDate(-1.25), enGB), QStringLiteral("29/12/1899 06:00:00"));
}

TEST(DateTextGeneral, TheDefaultLocaleApplies)
{
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10)), QStringLiteral("07/03/2026 10:00:00"));
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10)), QStringLiteral("3/7/2026 10:00:00 AM"));
}

TEST(DateTextGeneral, YearsHaveFourDigitsAndTimesNoZone)
{
    EXPECT_EQ(DateText::shortDate(at(2000, 1, 1), enUS), QStringLiteral("1/1/2000"));
    EXPECT_EQ(DateText::shortDate(at(2000, 1, 1), deDE), QStringLiteral("01.01.2000"));
    EXPECT_EQ(DateText::shortDate(at(1929, 5, 6), deDE), QStringLiteral("06.05.1929"));
    EXPECT_EQ(DateText::shortDate(at(100, 1, 1), enGB), QStringLiteral("01/01/0100"));
    EXPECT_EQ(DateText::longTime(timeOfDay(9, 5, 3), enGB), QStringLiteral("09:05:03"));
    EXPECT_EQ(DateText::longTime(timeOfDay(0, 0), enUS), QStringLiteral("12:00:00 AM"));
    EXPECT_EQ(DateText::longTime(timeOfDay(12, 0), enUS), QStringLiteral("12:00:00 PM"));
}

TEST(DateTextGeneral, OtherLocalesLoseOnlyTheirZoneName)
{
    EXPECT_EQ(DateText::longTime(timeOfDay(10, 0), QLocale(QStringLiteral("es_ES"))), QStringLiteral("10:00:00"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 22), QLocale(QStringLiteral("en_CA"))),
              QStringLiteral("2026-03-07 10:00:00 P.M."));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 22), QLocale(QStringLiteral("hu_HU"))),
              QStringLiteral("2026. 03. 07. 22:00:00"));
}

TEST(DateTextGeneral, FractionsOfASecondRoundToTheNearestSecond)
{
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10).addMSecs(600), enGB), QStringLiteral("07/03/2026 10:00:01"));
    EXPECT_EQ(DateText::general(at(2026, 3, 7, 10).addMSecs(400), enGB), QStringLiteral("07/03/2026 10:00:00"));
    // Rounding up to midnight leaves the next day alone.
    EXPECT_EQ(DateText::general(at(2026, 3, 8).addMSecs(-300), enGB), QStringLiteral("08/03/2026"));
}

TEST(DateTextGeneral, DatesOutOfRangeAreRefused)
{
    EXPECT_EQ(errorNumberOf([] { DateText::general(OleDate(3e6)); }), 5);
    EXPECT_EQ(errorNumberOf([] { DateText::general(OleDate(std::nan(""))); }), 5);
}

TEST(DateTextReading, GeneralTextsReadBackInEveryLocale)
{
    const OleDate samples[] = {
        at(2026, 3, 7),
        at(2026, 3, 7, 10),
        at(2026, 12, 31, 23, 59, 59),
        at(2024, 2, 29, 0, 0, 1),
        at(1899, 12, 30, 12),
        at(1899, 12, 29),
        at(1850, 7, 4, 6, 30),
        at(1900, 2, 28, 12, 0, 0),
        at(100, 1, 1),
        at(999, 6, 15, 8, 0, 0),
        at(2100, 3, 1, 12, 30),
        at(9999, 12, 31, 23, 59, 59),
        timeOfDay(0, 0),
        timeOfDay(0, 30),
        timeOfDay(12, 0),
        timeOfDay(23, 59, 59),
        at(2001, 1, 2),
        at(2030, 11, 12, 1, 2, 3),
    };
    // Besides the three main locales: a zone in brackets (es), dotted markers
    // (en_CA "p.m."), dates ending in a dot (hu), year first (sv), direction
    // marks and Arabic digits (ar).
    const QList<QLocale> locales{enGB,
                                 enUS,
                                 deDE,
                                 QLocale(QStringLiteral("es_ES")),
                                 QLocale(QStringLiteral("en_CA")),
                                 QLocale(QStringLiteral("hu_HU")),
                                 QLocale(QStringLiteral("sv_SE")),
                                 QLocale(QStringLiteral("ar_EG"))};
    for (const QLocale &locale : locales) {
        for (const OleDate &date : samples) {
            const QString text = DateText::general(date, locale);
            const auto back = DateText::tryParse(text, locale);
            ASSERT_TRUE(back.has_value()) << qPrintable(locale.name()) << ' ' << qPrintable(text);
            EXPECT_EQ(*back, date) << qPrintable(locale.name()) << ' ' << qPrintable(text);
        }
    }
}

TEST(DateTextReading, NumbersFollowTheLocalesDayMonthOrder)
{
    EXPECT_EQ(read("7/3/2024"), at(2024, 3, 7));
    EXPECT_EQ(read("7/3/2024", enUS), at(2024, 7, 3));
    EXPECT_EQ(read("1/2/2024"), at(2024, 2, 1));
    EXPECT_EQ(read("1/2/2024", enUS), at(2024, 1, 2));
    EXPECT_EQ(read("1.2.2024", deDE), at(2024, 2, 1));
    // Where the locale's order gives no date, the other order is taken.
    EXPECT_EQ(read("28/02/2024", enUS), at(2024, 2, 28));
    EXPECT_EQ(read("02/28/2024", enGB), at(2024, 2, 28));
    // A leading year of three or more digits means year, month, day.
    EXPECT_EQ(read("2026-03-07"), at(2026, 3, 7));
    EXPECT_EQ(read("2026-03-07", enUS), at(2026, 3, 7));
}

TEST(DateTextReading, SeparatorsMonthNamesAndBlanks)
{
    for (const char *text :
         {"07/03/2026", "7-3-2026", "7.3.2026", " 07/03/2026 ", "7 - 3 - 2026", "07/Mar/2026", "7 March 2026",
          "March 07, 2026", "7-mar-2026", "Saturday March 07, 2026", "Sat, 07 Mar 2026", "07 MARCH 26"})
        EXPECT_EQ(read(text), at(2026, 3, 7)) << text;
    EXPECT_EQ(read("7. März 2026", deDE), at(2026, 3, 7));
    EXPECT_EQ(read("07/Sept./2026", deDE), at(2026, 9, 7));
    EXPECT_EQ(read("07/Sep/2026", deDE), at(2026, 9, 7)); // English names are known everywhere
    EXPECT_EQ(read("3/2024"), at(2024, 3, 1)); // a month and a year: its first day
    EXPECT_EQ(read("March 2024"), at(2024, 3, 1));
}

TEST(DateTextReading, TimesAloneAndWithADate)
{
    EXPECT_EQ(read("9:30 am"), timeOfDay(9, 30));
    EXPECT_EQ(read("9:30am"), timeOfDay(9, 30));
    EXPECT_EQ(read("9:30 pm"), timeOfDay(21, 30));
    EXPECT_EQ(read("12:00 pm"), timeOfDay(12, 0));
    EXPECT_EQ(read("12:00 am"), timeOfDay(0, 0));
    EXPECT_EQ(read("12:30 AM"), timeOfDay(0, 30));
    EXPECT_EQ(read("10:00:00 AM"), timeOfDay(10, 0));
    EXPECT_EQ(read("9 pm"), timeOfDay(21, 0));
    EXPECT_EQ(read("23:00"), timeOfDay(23, 0));
    EXPECT_EQ(read("10:00"), timeOfDay(10, 0));
    EXPECT_EQ(read("00:00:00"), OleDate(0));
    EXPECT_EQ(read("07/03/2026 9:30 am"), at(2026, 3, 7, 9, 30));
    EXPECT_EQ(read("07/03/2026   23:00:05"), at(2026, 3, 7, 23, 0, 5));
    EXPECT_EQ(read("10:00 07/03/2026"), at(2026, 3, 7, 10));
    EXPECT_EQ(read("3/7/2026 10:00:00 PM", enUS), at(2026, 3, 7, 22));
}

TEST(DateTextReading, ImpossibleDatesAndTimesAreNoDates)
{
    EXPECT_TRUE(DateText::isDate(QStringLiteral("29/02/2024")));
    EXPECT_TRUE(DateText::isDate(QStringLiteral("29/02/2000")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("29/02/2023")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("29/02/2100")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("31/02/2024")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("31/02/2024"), enUS));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("31/04/2024")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("0/3/2024")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("13/13/2024")));
    EXPECT_FALSE(DateText::isDate(QStringLiteral("7/3/10000")));
    for (const char *time : {"25:99", "24:00", "10:60", "10:00:60", "13:00 pm", "0:00:00:00"})
        EXPECT_FALSE(read(time).has_value()) << time;
}

TEST(DateTextReading, TextsThatAreNoDates)
{
    for (const char *text : {"",
                             "   ",
                             "abc",
                             "10",
                             "2026",
                             "March",
                             "7/3/2026/",
                             "/7/3/2026",
                             "7//3/2026",
                             "7/3/2026 x",
                             "07/03/2026 10:00 08/03/2026",
                             "10:00 07/03/2026 11:00",
                             "7/3/2026 am",
                             "7/3/2026/10:00",
                             "1e3",
                             "7/3/2026 1/1/2026",
                             "7 March April",
                             "7/3/20#26",
                             "Sat",
                             "10:00 Saturday 3"})
        EXPECT_FALSE(read(text).has_value()) << text;
}

TEST(DateTextReading, TwoDigitYearsFollowTheWindow)
{
    EXPECT_EQ(read("1/1/00"), at(2000, 1, 1));
    EXPECT_EQ(read("1/1/29"), at(2029, 1, 1));
    EXPECT_EQ(read("1/1/30"), at(1930, 1, 1));
    EXPECT_EQ(read("1/1/99"), at(1999, 1, 1));
    EXPECT_EQ(read("1/1/0099"), at(1999, 1, 1));
    EXPECT_EQ(read("1/1/100"), at(100, 1, 1));
    // Every time of day on the first day of the range is a valid date.
    ASSERT_TRUE(read("1/1/100 2:03").has_value());
    EXPECT_TRUE(read("1/1/100 2:03")->isValid());
    EXPECT_EQ(DateText::general(*read("1/1/100 2:03"), enGB), QStringLiteral("01/01/0100 02:03:00"));
    // The week view's default: a year written 0000 reads as 00.
    EXPECT_EQ(DateText::toDate(QStringLiteral("1/1/0000")), at(2000, 1, 1));
    EXPECT_EQ(DateText::toDate(QStringLiteral("1/1/0000"), enUS), at(2000, 1, 1));
}

TEST(DateTextReading, DayAndMonthAloneFallInTheCurrentYear)
{
    DateTextParser::Options options;
    options.order = DateTextParser::MonthDayYear;
    options.today = QDate(2031, 6, 1);
    EXPECT_EQ(DateTextParser::parse(u"3/7", options), at(2031, 3, 7));
    EXPECT_EQ(DateTextParser::parse(u"7 Mar", options), at(2031, 3, 7));
    EXPECT_EQ(DateTextParser::parse(u"2/29", options), std::nullopt); // 2031 is no leap year
    EXPECT_EQ(read("7/3"), OleDate::fromDate(QDate(QDate::currentDate().year(), 3, 7)));
}

TEST(DateTextReading, LocaleOrders)
{
    EXPECT_EQ(DateTextParser::localeOrder(enGB), DateTextParser::DayMonthYear);
    EXPECT_EQ(DateTextParser::localeOrder(enUS), DateTextParser::MonthDayYear);
    EXPECT_EQ(DateTextParser::localeOrder(QLocale(QStringLiteral("ja_JP"))), DateTextParser::YearMonthDay);
    EXPECT_EQ(read("2026/3/7", QLocale(QStringLiteral("ja_JP"))), at(2026, 3, 7));
}

TEST(DateTextReading, DayMonthYearWhateverTheLocale)
{
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral("07/03/2026")), at(2026, 3, 7));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral("7/3/2024")), at(2024, 3, 7));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral("28/02/2024")), at(2024, 2, 28));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral("07/03/2026 9:30 am")), at(2026, 3, 7, 9, 30));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral(" 07/03/2026 10:00:00 PM ")), at(2026, 3, 7, 22));
    EXPECT_EQ(DateText::tryParseDayMonthYear(QStringLiteral("02/28/2024")), std::nullopt); // no swapping
    EXPECT_EQ(DateText::tryParse(QStringLiteral("07/03/2026")), at(2026, 7, 3)); // unlike the locale reader
    EXPECT_EQ(errorNumberOf([] { DateText::toDateDayMonthYear(QStringLiteral("31/02/2024")); }), 13);
}

TEST(DateTextReading, FailedConversionsAreTypeMismatches)
{
    EXPECT_EQ(errorNumberOf([] { DateText::toDate(QStringLiteral("abc")); }), 13);
    EXPECT_EQ(errorNumberOf([] { DateText::toDate(QStringLiteral("25:99")); }), 13);
    EXPECT_EQ(errorNumberOf([] { DateText::toDate(QString()); }), 13);
    try {
        DateText::toDate(QStringLiteral("31/02/2024"));
        FAIL();
    } catch (const OleError &error) {
        EXPECT_EQ(error.description(), QStringLiteral("Type mismatch"));
    }
}

TEST(DateTextVariant, ConvertsBetweenTextsAndDates)
{
    QVariant text(QStringLiteral("07/03/2026 10:00"));
    ASSERT_TRUE(text.canConvert<OleDate>());
    EXPECT_EQ(text.value<OleDate>(), at(2026, 3, 7, 10));
    EXPECT_TRUE(text.convert(QMetaType::fromType<OleDate>()));
    EXPECT_EQ(text.value<OleDate>(), at(2026, 3, 7, 10));

    QVariant notADate(QStringLiteral("31/02/2024"));
    EXPECT_FALSE(notADate.convert(QMetaType::fromType<OleDate>()));

    EXPECT_EQ(QVariant::fromValue(at(2026, 3, 7)).toString(), QStringLiteral("07/03/2026"));
    EXPECT_EQ(QVariant::fromValue(timeOfDay(10, 0)).toString(), QStringLiteral("10:00:00"));
}

TEST(DateTextReading, GeneralTextsReadBackInAllLocalesQtKnows)
{
    // Date alone, time alone (both halves of the day, and midnight on day 0),
    // date with time, and the ends of the range.
    const OleDate samples[] = {at(2026, 3, 9),      at(2026, 12, 28, 13, 45),    at(2026, 3, 9, 1, 2, 3),
                               timeOfDay(13, 45),   timeOfDay(21, 5, 9),         timeOfDay(0, 0),
                               at(100, 1, 1, 2, 3), at(9999, 12, 31, 23, 59, 59)};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 300);
    int failed = 0;
    for (const QLocale &locale : locales) {
        for (const OleDate &date : samples) {
            const QString text = DateText::general(date, locale);
            const auto back = DateText::tryParse(text, locale);
            if (!back || *back != date) {
                ADD_FAILURE() << qPrintable(locale.bcp47Name()) << ": \"" << qPrintable(text) << "\" reads as "
                              << (back ? qPrintable(back->toDateTime().toString(Qt::ISODate)) : "no date");
                ++failed;
                break;
            }
        }
    }
    EXPECT_EQ(failed, 0) << "of " << locales.size() << " locales";
}

TEST(DateTextGeneral, LocalesWhoseOwnFormsDoNotReadBackWriteAPlainerOne)
{
    const auto general = [](const OleDate &date, const char *locale) {
        return DateText::general(date, QLocale(QString::fromLatin1(locale)));
    };
    // A time with dots read as a date: "21.05.09" was 21 May 2009.
    EXPECT_EQ(general(timeOfDay(21, 5, 9), "da_DK"), QStringLiteral("21:05:09"));
    EXPECT_EQ(general(at(2026, 3, 9, 11), "fi_FI"), QStringLiteral("9.3.2026 11:00:00"));
    EXPECT_EQ(general(at(2026, 3, 9, 11), "id_ID"), QStringLiteral("09/03/2026 11:00:00"));
    // Words and marks around the numbers; the locale's own am/pm kept where it reads back.
    EXPECT_EQ(general(timeOfDay(13, 45), "fr_CA"), QStringLiteral("13:45:00"));
    EXPECT_EQ(general(timeOfDay(13, 45), "ja_JP"), QStringLiteral("13:45:00"));
    EXPECT_EQ(general(timeOfDay(13, 45), "ko_KR"), QStringLiteral("1:45:00 \uC624\uD6C4"));
    EXPECT_EQ(general(timeOfDay(13, 45), "nn_NO"), QStringLiteral("13:45:00"));
    EXPECT_EQ(general(timeOfDay(13, 45), "es_US"), QStringLiteral("13:45:00"));
    EXPECT_EQ(general(at(2026, 3, 7), "bg_BG"), QStringLiteral("7.03.2026"));
    // No day-period letter nor the brackets that held the zone.
    EXPECT_EQ(general(at(2026, 3, 9, 10), "zh_TW"), QStringLiteral("2026/3/9 10:00:00"));
    // Locales whose forms read back keep them.
    EXPECT_EQ(general(at(2026, 3, 9, 13, 45), "en_US"), QStringLiteral("3/9/2026 1:45:00 PM"));
    EXPECT_EQ(general(at(2026, 3, 9, 13, 45), "de_DE"), QStringLiteral("09.03.2026 13:45:00"));
}

TEST(DateTextReading, DigitsAndWordsOfEveryScript)
{
    // Chakma digits lie outside the basic plane; Tamil words hold vowel signs.
    const QLocale chakma(QStringLiteral("ccp_BD"));
    EXPECT_EQ(DateText::tryParse(QStringLiteral("\U00011137:\U0001113A\U0001113B:\U00011136\U00011136"), chakma),
              timeOfDay(1, 45));
    EXPECT_EQ(
        DateText::tryParse(QStringLiteral("\U0001113F/\U00011139/\U00011138\U00011136\U00011138\U0001113C"), chakma),
        at(2026, 3, 9));
    const QLocale tamil(QStringLiteral("ta_IN"));
    EXPECT_EQ(DateText::tryParse(QStringLiteral("1:45:00 ") + tamil.pmText(), tamil), timeOfDay(13, 45));
}
