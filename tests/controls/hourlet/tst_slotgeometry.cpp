// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlist.h"
#include "drawtextlayout.h"
#include "hourletlayout.h"
#include "hourletpainter.h"
#include "hourlettesthelpers.h"
#include "selectionsweep.h"
#include "slotgeometry.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

const OleDate Day = OleDate::fromDate(testDay());

CoordinatePair map(OleDate start, OleDate end)
{
    return SlotGeometry::timeRangeToCoordinates(Day, start, end);
}

} // namespace

namespace OlvarControls {

void PrintTo(CoordinatePair pair, std::ostream *os)
{
    *os << '(' << pair.top << ", " << pair.bottom << ')';
}

void PrintTo(const GdiRect &r, std::ostream *os)
{
    *os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

} // namespace OlvarControls

TEST(TimeRangeMapping, SlotsOnTheGridMapToTheirFirstAndLastRows)
{
    EXPECT_EQ(map(at(testDay(), 9), at(testDay(), 10)), (CoordinatePair{347, 378}));
    EXPECT_EQ(map(at(testDay(), 0), at(testDay(), 0, 30)), (CoordinatePair{59, 74}));
    EXPECT_EQ(map(at(testDay(), 23, 30), at(testDay().addDays(1), 0)), (CoordinatePair{811, 827}));
}

TEST(TimeRangeMapping, TimesOffTheGridOrOnOtherDaysMapBelowTheDay)
{
    EXPECT_EQ(map(at(testDay(), 9, 15), at(testDay(), 10)).top, 827);
    const OleDate almostHalfPast = at(testDay(), 10).addMSecs((29 * 60 + 59) * 1000);
    EXPECT_EQ(map(at(testDay(), 10), almostHalfPast).bottom, 827);
    EXPECT_EQ(map(at(testDay().addDays(1), 10), at(testDay().addDays(1), 11)), (CoordinatePair{827, 827}));
    // A start on the day before is clamped to the first slot; an end on the day before lies above it.
    EXPECT_EQ(map(at(testDay().addDays(-1), 22), at(testDay().addDays(-1), 23)), (CoordinatePair{59, 58}));
    // The candidate instants come from the active date's day, whatever its time of day.
    EXPECT_EQ(SlotGeometry::timeRangeToCoordinates(at(testDay(), 15), at(testDay(), 9), at(testDay(), 10)),
              (CoordinatePair{347, 378}));
}

TEST(TimeRangeMapping, TimesOfDayWithoutADateAreTakenOnTheActiveDate)
{
    EXPECT_EQ(map(timeOfDay(10), timeOfDay(11)), (CoordinatePair{379, 410}));
    EXPECT_EQ(map(timeOfDay(0), timeOfDay(0, 30)), (CoordinatePair{59, 74}));
    // A dateless end at or before a dateless start ends on the next day: 23:00 to 12:00 am ends at 24:00.
    EXPECT_EQ(map(timeOfDay(23), timeOfDay(0)), (CoordinatePair{795, 827}));
    EXPECT_EQ(map(timeOfDay(10), timeOfDay(10)).bottom, 827);
    // A dated end keeps its own day; a dateless end after a dated start is on the active date.
    EXPECT_EQ(map(timeOfDay(10), at(testDay(), 11)), (CoordinatePair{379, 410}));
    EXPECT_EQ(map(at(testDay(), 10), timeOfDay(11)), (CoordinatePair{379, 410}));
}

TEST(CoordinateMapping, CoordinatesMapToTheStartOfTheirSlot)
{
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 0), Day);
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 74), Day);
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 75), at(testDay(), 0, 30));
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 379), at(testDay(), 10));
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 826), at(testDay(), 23, 30));
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 827), Day.addDays(1));
    EXPECT_EQ(SlotGeometry::coordinateToTime(Day, 900), Day.addDays(1));
    EXPECT_FALSE(SlotGeometry::coordinateToTime(Day, 90.5).has_value());
    EXPECT_EQ(SlotGeometry::slotStartAt(Day, 90.5), at(testDay(), 0, 30));
}

TEST(ScrollMaximum, FollowsTheClientHeight)
{
    EXPECT_EQ(SlotGeometry::scrollMaximum(400), 432);
    EXPECT_EQ(SlotGeometry::scrollMaximum(825), 0);
    EXPECT_EQ(SlotGeometry::scrollMaximum(1000), -160);
    EXPECT_EQ(SlotGeometry::scrollMaximum(0), 816); // (0 - 57) / 16 truncates towards zero
    EXPECT_EQ(SlotGeometry::scrollMaximum(2000000), -32768);
}

TEST(HourletLayout, AppointmentBoxesFollowTheTimeScaleAndTheScrollBar)
{
    const CoordinatePair tenToEleven{379, 410};
    const HourletLayout withScale(QSize(800, 400), true, true, 224);
    const GdiRect box = withScale.appointmentBox(tenToEleven);
    EXPECT_EQ(box, (GdiRect{66, 155, 779, 187}));
    EXPECT_EQ(HourletLayout::appointmentBar(box), (GdiRect{56, 155, 65, 187}));
    EXPECT_EQ(HourletLayout::appointmentTextArea(box), (GdiRect{69, 156, 779, 187}));

    const HourletLayout plain(QSize(800, 900), false, false, 0);
    EXPECT_EQ(plain.appointmentBox(tenToEleven), (GdiRect{11, 379, 796, 411}));
    EXPECT_EQ(HourletLayout::appointmentBar(plain.appointmentBox(tenToEleven)), (GdiRect{1, 379, 10, 411}));
    EXPECT_EQ(plain.barStrip(), (GdiRect{0, 0, 10, 900}));
    EXPECT_EQ(plain.barLineX(), 10);
    EXPECT_TRUE(plain.timeScaleColumn().isEmpty());
    EXPECT_TRUE(plain.headerCorner().isEmpty());

    // The box drawn at once keeps right of the time scale and left of the scroll bar, one row shorter.
    EXPECT_EQ(plain.immediateBox(tenToEleven), (GdiRect{66, 379, 779, 410}));
    EXPECT_EQ(HourletLayout::immediateBar(plain.immediateBox(tenToEleven)), (GdiRect{56, 379, 65, 410}));

    // A box from 10:15 is upside down: nothing to fill.
    const GdiRect upsideDown = withScale.appointmentBox({827, 410});
    EXPECT_EQ(upsideDown, (GdiRect{66, 603, 779, 187}));
    EXPECT_TRUE(upsideDown.isEmpty());
}

TEST(HourletLayout, SelectionAndBands)
{
    const HourletLayout withScale(QSize(800, 400), true, true, 224);
    EXPECT_EQ(withScale.selectionRect(379, 394), (GdiRect{66, 156, 782, 171}));
    EXPECT_EQ(withScale.availableBand(), (GdiRect{65, 123, 800, 379}));
    EXPECT_EQ(withScale.slotArea(), (GdiRect{65, 0, 800, 400}));
    EXPECT_EQ(withScale.gridCutStrip(), (GdiRect{50, 0, 55, 400}));
    EXPECT_EQ(withScale.headerCorner(), (GdiRect{0, 0, 53, 58}));
    EXPECT_EQ(withScale.hourLineRow(24), 827 - 224);
    const HourletLayout plain(QSize(800, 400), false, false, 0);
    EXPECT_EQ(plain.selectionRect(379, 394), (GdiRect{10, 380, 799, 395}));
    EXPECT_EQ(plain.availableBand(), (GdiRect{0, 347, 800, 603}));
}

TEST(HourletLayout, CaptionIsCentredByItsCharacterCount)
{
    EXPECT_EQ(HourletLayout(QSize(800, 400), false, true, 0).captionX(16, 30), 10);
    EXPECT_EQ(HourletLayout(QSize(800, 400), true, true, 0).captionX(16, 30), 336);
    // Halves go to the even neighbour: 341.5 gives 342, 342.5 gives 342.
    EXPECT_EQ(HourletLayout(QSize(801, 400), true, true, 0).captionX(16, 20), 342);
    EXPECT_EQ(HourletLayout(QSize(803, 400), true, true, 0).captionX(16, 20), 342);
    EXPECT_EQ(HourletLayout(QSize(200, 400), true, true, 0).captionX(16, 20), 65);
}

TEST(AppointmentList, HitTestFindsTheLastShownAppointmentUnderThePoint)
{
    AppointmentList list;
    EXPECT_EQ(list.upperBound(), 0);
    EXPECT_EQ(list.hitTest(0), -1); // the blank record of an empty day

    Appointment first;
    first.ApptID = 4;
    first.ApptStartCoord = 379;
    first.ApptEndCoord = 410;
    Appointment overlapping = first;
    overlapping.ApptID = 5;
    overlapping.ApptStartCoord = 395;
    overlapping.ApptEndCoord = 426;
    list.append(first);
    list.append(overlapping);
    EXPECT_EQ(list.hitTest(379), 1);
    EXPECT_EQ(list.hitTest(400), 2);
    EXPECT_EQ(list.hitTest(426), 2);
    EXPECT_EQ(list.hitTest(427), -1);

    Appointment unsaved = first; // never stored: ApptID 0
    unsaved.ApptID = 0;
    list.append(unsaved);
    EXPECT_EQ(list.hitTest(380), 1);

    list.markDeleted(5, list.upperBound());
    EXPECT_EQ(list.hitTest(400), 1);
}

TEST(AppointmentList, DeletionMarksEveryMatchUpToTheBound)
{
    AppointmentList list;
    Appointment twin;
    twin.ApptID = 7;
    list.append(twin);
    list.append(twin);
    list.append(twin);
    EXPECT_EQ(list.indexOfId(7), 1);
    list.markDeleted(7, 2);
    EXPECT_EQ(list.at(1).ApptDeleted, 1);
    EXPECT_EQ(list.at(2).ApptDeleted, 1);
    EXPECT_EQ(list.at(3).ApptDeleted, 0);
    list.reset();
    EXPECT_EQ(list.upperBound(), 0);
    EXPECT_EQ(list.at(0).ApptID, 0);
}

TEST(SelectionSweep, ReleaseOverAnUpsideDownAppointmentPutsItsTimesInOrder)
{
    AppointmentList list;
    Appointment reversed;
    reversed.ApptID = 3;
    reversed.ApptStartCoord = 379;
    reversed.ApptEndCoord = 410;
    reversed.ApptTimeStart = at(testDay(), 11);
    reversed.ApptTimeEnd = at(testDay(), 10);
    list.append(reversed);

    SelectionSweep sweep;
    sweep.press(380, Day);
    sweep.release(true, 380, list, Day);
    EXPECT_FALSE(sweep.isSweeping());
    EXPECT_EQ(sweep.selection().ApptID, 3);
    EXPECT_EQ(sweep.selection().ApptTimeStart, at(testDay(), 10));
    EXPECT_EQ(sweep.selection().ApptTimeEnd, at(testDay(), 11));
    EXPECT_EQ(sweep.selection().ApptStartCoord, 410);
    EXPECT_EQ(sweep.selection().ApptEndCoord, 379);
}

TEST(HourletPainter, SubjectsAreWrappedAndKeepTheirAmpersands)
{
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 8));
    const DrawTextLayout subject(QStringLiteral("Smith & Jones"), HourletPainter::SubjectFormat, metrics, 40);
    QString shown;
    for (const DrawTextLayout::Line &line : subject.lines())
        shown += subject.text().mid(line.start, line.length) + QLatin1Char('|');
    EXPECT_EQ(shown, QStringLiteral("Smith|&|Jones|"));
    EXPECT_TRUE(subject.underlined().isEmpty());
}
