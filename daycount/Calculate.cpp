// The day count: normalises both date fields, checks them, and walks from the
// start day to the end day one day at a time, counting weekdays and weekend
// days with both ends included.
//
// NOTE: The walk stays a walk, with one yield per day it steps over, so that
// a span of centuries keeps the window painting. It stops on the first day
// whose day of the year and year are both at least the end's, so the time of
// day plays no part in it.

#include "window/frmMain.h"

#include "framework/runtime/Text.h"
#include "framework/ui/application/BackgroundTask.h"
#include "framework/ui/application/MsgBox.h"

namespace {

struct Counts {
    std::int32_t weekdays { 0 };
    std::int32_t weekend { 0 };
    std::int32_t total { 0 };
};

// Sunday (1) and Saturday (7) are the weekend.
void count_day(fw::Date const& day, Counts& counts)
{
    if (day.DayOfWeek() == 1 || day.DayOfWeek() == 7)
        ++counts.weekend;
    else
        ++counts.weekdays;
}

// Counts every day from the cursor's up to the end's, the end day left out;
// `end` is read afresh at every test.
void walk(fw::Date& cursor, fw::Ref<fw::Date> const& end, Counts& counts)
{
    while (cursor.DayOfYear() < fw::checked(end).DayOfYear() || cursor.Year() < fw::checked(end).Year()) {
        ++counts.total;
        count_day(cursor, counts);
        cursor.set_TotalSeconds(cursor.TotalSeconds() + 86400.0);
        fw::RuntimeBackgroundTask();
    }
}

void show_count(fw::Ref<fw::TextField> const& field, std::int32_t count)
{
    fw::checked(field).set_Text(fw::Str(count, ""));
}

}

void frmMain::Calculate()
{
    auto const show_day_name = [this](fw::Ref<fw::TextField> const& field, fw::Ref<fw::Date> const& date) {
        fw::checked(field).set_Text(WeekDay(fw::checked(date).DayOfWeek()));
    };
    Start = new_date();
    EndD = new_date();
    fw::Ref<fw::Date> const cursor = new_date();
    Counts counts;

    if (!normalise(&frmMain::efStart, Start))
        return fw::MsgBox("Problem with start date");
    if (!normalise(&frmMain::efEnd, EndD))
        return fw::MsgBox("Problem with end date");
    double const end_seconds = fw::checked(EndD).TotalSeconds();
    if (end_seconds < fw::checked(Start).TotalSeconds())
        return fw::MsgBox("End date must be AFTER start date ...");

    show_day_name(efStartDay(), Start);
    show_day_name(efEndDay(), EndD);

    fw::checked(cursor).set_TotalSeconds(fw::checked(Start).TotalSeconds());
    counts.total = 1;
    walk(*cursor, EndD, counts);
    count_day(*cursor, counts); // the end day; total counted it from the start

    show_count(efWeekdays(), counts.weekdays);
    show_count(efWeekenddays(), counts.weekend);
    show_count(efTotal(), counts.total);
}
