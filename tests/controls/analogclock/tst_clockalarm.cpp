// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "alarmschedule.h"
#include "analogclock.h"
#include "chimeschedule.h"
#include "clockgeometry.h"
#include "clocktesthelpers.h"
#include "libraryfolder.h"
#include "soundservice.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::ClockHost;
using OlvarTest::sounds;

namespace {

struct ParseRow
{
    const char *text;
    bool parsed;
    int hour;
    int minute;
    int markerIndex; // -1: no marker position
};

void PrintTo(const ParseRow &row, std::ostream *os)
{
    *os << '"' << row.text << '"';
}

class AlarmText : public testing::TestWithParam<ParseRow>
{
};

QPoint markerCentre(const ClockHost &t)
{
    return t.shape("shpCircle3")->rect().center().toPoint();
}

} // namespace

TEST_P(AlarmText, ParsesHourAndMinuteByPosition)
{
    const ParseRow row = GetParam();
    AlarmSchedule alarm;
    alarm.parse(QStringLiteral("06.15"));
    EXPECT_EQ(alarm.parse(QString::fromLatin1(row.text)), row.parsed);
    EXPECT_EQ(alarm.hour(), row.hour);
    EXPECT_EQ(alarm.minute(), row.minute);
    EXPECT_EQ(alarm.markerIndex().value_or(-1), row.markerIndex);
}

INSTANTIATE_TEST_SUITE_P(AlarmSchedule, AlarmText,
                         testing::Values(ParseRow{"18.00", true, 18, 0, 30}, ParseRow{"9.30", true, 9, 30, 48},
                                         ParseRow{"7.45", true, 7, 45, 39}, ParseRow{"19.45", true, 19, 45, 39},
                                         ParseRow{"ab.cd", true, 0, 0, 0}, ParseRow{"23:59", true, 23, 59, 60},
                                         // Other lengths keep the time in force.
                                         ParseRow{"123", false, 6, 15, 31}, ParseRow{"", false, 6, 15, 31},
                                         ParseRow{"12.345", false, 6, 15, 31},
                                         // Parsed, but no time of day: no place on the dial.
                                         ParseRow{"99.99", true, 99, 99, -1}, ParseRow{"-1.00", true, -1, 0, -1},
                                         ParseRow{"12.75", true, 12, 75, -1}));

TEST(AlarmSchedule, OddTextsParseWithoutErrors)
{
    AlarmSchedule alarm;
    for (const char *text : {"&H.0F", "1e.9d", "  .  ", "+-.-+", "9e99", "\t\n.00"}) {
        EXPECT_NO_THROW(alarm.parse(QString::fromLatin1(text))) << text;
        EXPECT_NO_THROW(alarm.markerIndex()) << text;
    }
    alarm.parse(QStringLiteral("1e.9d"));
    EXPECT_EQ(alarm.hour(), 1);
    EXPECT_EQ(alarm.minute(), 9);
}

TEST(AlarmSchedule, RingsOnlyInTheAlarmMinuteWhileArmed)
{
    AlarmSchedule alarm;
    alarm.parse(QStringLiteral("18.00"));
    EXPECT_FALSE(alarm.check(17, 59, true));
    EXPECT_TRUE(alarm.check(18, 0, true));
    EXPECT_TRUE(alarm.isRinging());
    EXPECT_FALSE(alarm.check(18, 0, false));
    EXPECT_FALSE(alarm.isRinging());
    EXPECT_FALSE(alarm.check(6, 0, true)); // the 24-hour time, not the dial's
}

TEST(ChimeSchedule, LaterChimesWinAndEachValueChimesOnce)
{
    ChimeSchedule chimes;
    const ChimeSchedule::Boxes secondsAndMinutes{true, true, false};
    // Everything starts remembered as 0: at 0:00:00 nothing is due.
    EXPECT_EQ(chimes.check(secondsAndMinutes, 0, 0, 0), ChimeSchedule::NoChime);
    EXPECT_EQ(chimes.check(secondsAndMinutes, 0, 0, 1), ChimeSchedule::SecondChime);
    EXPECT_EQ(chimes.check(secondsAndMinutes, 0, 0, 1), ChimeSchedule::NoChime);
    EXPECT_EQ(chimes.check(secondsAndMinutes, 0, 1, 0), ChimeSchedule::MinuteChime);
    EXPECT_EQ(chimes.check(secondsAndMinutes, 0, 1, 1), ChimeSchedule::SecondChime);
    // The hour chime beats both; a box switched off does not chime.
    EXPECT_EQ(chimes.check({true, true, true}, 1, 2, 0), ChimeSchedule::HourChime);
    EXPECT_EQ(chimes.check({false, false, false}, 2, 3, 1), ChimeSchedule::NoChime);
    EXPECT_EQ(chimes.check({false, false, true}, 2, 3, 1), ChimeSchedule::HourChime);

    EXPECT_EQ(ChimeSchedule::fileName(ChimeSchedule::SecondChime), QStringLiteral("SChime.wav"));
    EXPECT_EQ(ChimeSchedule::fileName(ChimeSchedule::MinuteChime), QStringLiteral("MChime.wav"));
    EXPECT_EQ(ChimeSchedule::fileName(ChimeSchedule::HourChime), QStringLiteral("HChime.wav"));
    EXPECT_TRUE(ChimeSchedule::fileName(ChimeSchedule::NoChime).isEmpty());
}

TEST(AnalogClockAlarm, TypingATimeSwitchesTheAlarmOnAndPlacesTheMarker)
{
    ClockHost t;
    EXPECT_EQ(t.label("lblOnOff")->text(), QStringLiteral("ALARM OFF"));
    EXPECT_FALSE(t.shape("shpCircle3")->isVisible());

    t.child<QLineEdit>("txtAlarmTime")->setText(QStringLiteral("7.45"));
    EXPECT_EQ(t.label("lblOnOff")->text(), QStringLiteral("ALARM ON"));
    EXPECT_TRUE(t.box("chkOnOff")->isChecked());
    EXPECT_TRUE(t.shape("shpCircle3")->isVisible());
    ClockGeometry geometry;
    geometry.layOut(t.sizeTwips());
    EXPECT_EQ(markerCentre(t), geometry.point(ClockGeometry::TickOuter, 39));

    // A click on the box switches it off again.
    t.box("chkOnOff")->click();
    EXPECT_EQ(t.label("lblOnOff")->text(), QStringLiteral("ALARM OFF"));
    EXPECT_FALSE(t.box("chkOnOff")->isChecked());
    EXPECT_FALSE(t.shape("shpCircle3")->isVisible());
    t.box("chkOnOff")->click();
    EXPECT_EQ(t.label("lblOnOff")->text(), QStringLiteral("ALARM ON"));

    // The marker follows a resize.
    t.resizeTwips(4500, 4500);
    geometry.layOut(t.sizeTwips());
    EXPECT_EQ(markerCentre(t), geometry.point(ClockGeometry::TickOuter, 39));
}

TEST(AnalogClockAlarm, UnusableTextsSwitchTheAlarmOff)
{
    ClockHost t;
    QLineEdit *text = t.child<QLineEdit>("txtAlarmTime");
    text->setText(QStringLiteral("7.45"));
    ASSERT_TRUE(t.box("chkOnOff")->isChecked());

    // Six characters: cleared, and the alarm goes off.
    text->setText(QStringLiteral("07.450"));
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_FALSE(t.box("chkOnOff")->isChecked());
    EXPECT_EQ(t.label("lblOnOff")->text(), QStringLiteral("ALARM OFF"));

    // A time that is none counts once it has been parsed: the marker stays
    // where it was, and the next edit switches the alarm off.
    text->setText(QStringLiteral("7.45"));
    ASSERT_TRUE(t.box("chkOnOff")->isChecked());
    const QPoint before = markerCentre(t);
    text->setText(QStringLiteral("99.99"));
    ClockHost::advance(1000); // the once-a-second parse
    EXPECT_EQ(markerCentre(t), before);
    text->setText(QStringLiteral("99.9"));
    EXPECT_FALSE(t.box("chkOnOff")->isChecked());
    EXPECT_FALSE(t.shape("shpCircle3")->isVisible());

    // Emptied, the alarm stays off.
    text->setText(QStringLiteral("7.45"));
    text->clear();
    EXPECT_FALSE(t.box("chkOnOff")->isChecked());
}

TEST(AnalogClockAlarm, AlarmMinuteStartsTheSoundEverySecondWithoutChimes)
{
    ClockHost t;
    ClockHost::setTime(QTime(17, 59, 58));
    t.box("chkS")->setChecked(true);
    t.box("chkOnOff")->click();
    ClockHost::advance(1500); // 17:59:59.5
    EXPECT_EQ(sounds().fileNames().filter(QStringLiteral("Alarm.wav")).size(), 0);
    EXPECT_FALSE(sounds().fileNames().filter(QStringLiteral("SChime.wav")).isEmpty());

    sounds().plays.clear();
    ClockHost::advance(60000); // to 18:00:59.5
    EXPECT_EQ(sounds().fileNames(), QStringList(60, QStringLiteral("Alarm.wav")));
    ASSERT_FALSE(sounds().plays.isEmpty());
    EXPECT_TRUE(sounds().plays.first().async);
    EXPECT_EQ(sounds().plays.first().path, AnalogClock::soundPath(QStringLiteral("Alarm.wav")));

    // The next minute the second chime comes back.
    sounds().plays.clear();
    ClockHost::advance(1000);
    EXPECT_EQ(sounds().fileNames(), QStringList{QStringLiteral("SChime.wav")});

    // Switched off, the alarm minute is silent the next day.
    t.box("chkOnOff")->click();
    t.box("chkS")->setChecked(false);
    ClockHost::setTime(QTime(17, 59, 59));
    sounds().plays.clear();
    ClockHost::advance(3000);
    EXPECT_TRUE(sounds().plays.isEmpty());
}

TEST(AnalogClockAlarm, MinuteChimeIsHeardOverTheSecondChime)
{
    ClockHost t;
    ClockHost::setTime(QTime(10, 14, 58));
    ClockHost::advance(25);
    t.box("chkS")->setChecked(true);
    t.box("chkM")->setChecked(true);
    ClockHost::advance(400); // both differ from the remembered 0: the minute chime wins
    EXPECT_EQ(sounds().fileNames(), QStringList{QStringLiteral("MChime.wav")});
    ClockHost::advance(650); // 10:14:59.075
    EXPECT_EQ(sounds().fileNames().last(), QStringLiteral("SChime.wav"));

    sounds().plays.clear();
    ClockHost::advance(1000); // 10:15:00.075
    EXPECT_EQ(sounds().fileNames(), QStringList{QStringLiteral("MChime.wav")});
}

TEST(AnalogClockSound, PlaysOnlyWaveFilesThatExistOnADevice)
{
    ClockHost t;
    const QString alarm = AnalogClock::soundPath(QStringLiteral("Alarm.wav"));
    EXPECT_TRUE(t.clock().CanPlayWaves());
    EXPECT_TRUE(t.clock().PlayWaveFile(alarm));
    ASSERT_EQ(sounds().plays.size(), 1);
    EXPECT_FALSE(sounds().plays.first().async);

    OlvarTest::TempFolder folder;
    EXPECT_FALSE(t.clock().PlayWaveFile(folder.filePath(QStringLiteral("Missing.wav")), true));
    EXPECT_FALSE(t.clock().PlayWaveFile(QString(), true));
    QFile notWave(folder.filePath(QStringLiteral("Notes.wav")));
    ASSERT_TRUE(notWave.open(QIODevice::WriteOnly));
    notWave.write("RIFF....AVI LIST");
    notWave.close();
    EXPECT_FALSE(t.clock().PlayWaveFile(notWave.fileName(), true));

    sounds().deviceAccepts = false;
    EXPECT_FALSE(t.clock().PlayWaveFile(alarm, true));
    sounds().devices = 0;
    sounds().deviceAccepts = true;
    EXPECT_FALSE(t.clock().CanPlayWaves());
    EXPECT_FALSE(t.clock().PlayWaveFile(alarm, true));
    EXPECT_EQ(sounds().plays.size(), 1);

    // Reached by name, as a host calls them.
    sounds().devices = 2;
    bool played = false;
    EXPECT_TRUE(QMetaObject::invokeMethod(&t.clock(), "PlayWaveFile", Q_RETURN_ARG(bool, played), Q_ARG(QString, alarm),
                                          Q_ARG(bool, true)));
    EXPECT_TRUE(played);
}

TEST(AnalogClockSound, TheFourSoundsLieBesideTheLibrary)
{
    for (const char *name : {"Alarm.wav", "SChime.wav", "MChime.wav", "HChime.wav"}) {
        const QString path = AnalogClock::soundPath(QString::fromLatin1(name));
        EXPECT_TRUE(path.startsWith(QDir::toNativeSeparators(OlvarControls::libraryFolder()) + QDir::separator()))
            << path.toStdString();
        EXPECT_TRUE(SoundService::isWaveFile(path)) << path.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 1000) << name;
    }
    EXPECT_TRUE(QFileInfo::exists(QDir(libraryFolder()).filePath(QStringLiteral("libOlvar.so")))
                || QFileInfo::exists(QDir(libraryFolder()).filePath(QStringLiteral("Olvar.dll"))));
}

TEST(AnalogClockSound, ProductionServiceRefusesWhatItCannotPlay)
{
    SoundService::setInstance(nullptr);
    SoundService &service = SoundService::instance();
    EXPECT_GE(service.outputDeviceCount(), 0);
    OlvarTest::TempFolder folder;
    EXPECT_FALSE(service.playWaveFile(folder.filePath(QStringLiteral("Missing.wav")), true));
    if (service.outputDeviceCount() == 0) {
        EXPECT_FALSE(service.playWaveFile(AnalogClock::soundPath(QStringLiteral("SChime.wav")), true));
    }
}
