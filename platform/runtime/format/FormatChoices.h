#pragma once

// The points of the format language that its behaviour does not settle, decided once here.
// Text formats keep their own list at the top of TextFormat.cpp.
//
// Dispatch
// - Which formatter runs: a format holding @ & < > ! outside quotes and escapes is a text
//   format; a format that is a whole named format (any letter case) is that named format;
//   otherwise the section picked by the value's sign is a date/time section when it holds a
//   date/time field outside quotes and escapes (c d h m n q s w y in any case, ttttt, aaaa,
//   oooo, AM/PM, am/pm, A/P, a/p, AMPM), and a numeric section when it does not. "/" and ":"
//   alone do not make a date section; in a numeric section they print as they are.
// - Text under a numeric or date/time format: read as a number first (locale aware), then as
//   a date/time; a text that is neither comes back unchanged. A number beyond the double range
//   ("1E10000") cannot be held, so it comes back unchanged too.
// - No format at all: a text that reads as a number gives the number's plain text; any other
//   text, one that reads as a date included, comes back unchanged.
// - Plain text of a number (no format, General Number): up to 15 significant digits, rounded
//   half away from zero; fixed notation from 1E-05 up to below 1E+15, otherwise "1.5E+20",
//   "1E-07" (sign always, at least two exponent digits). Locale decimal separator.
//
// Numbers
// - Rounding is half away from zero on the shortest decimal text that reads back as the same
//   double: 0.075 with "#.##" gives ".08" and 2.5 with "0" gives "3".
// - A negative value that rounds to zero keeps its sign and section: -0.001 with "0.00" gives
//   "-0.00", with "0.00;(0.00)" gives "(0.00)". The zero section is for an exact zero only.
// - The fourth (Null) section is never used: expressions here are texts, never Null. Sections
//   after the fourth are ignored.
// - "%" anywhere multiplies by 100 once, however many there are.
// - A comma before the first digit placeholder, or in the fraction or exponent part, prints
//   nothing. A run of commas after the last whole-number placeholder scales down by 1000 per
//   comma; a comma between whole-number placeholders turns grouping on.
// - Scientific notation fills every whole-number placeholder: 12345 with "00.00E+00" gives
//   "12.35E+03"; with no whole-number placeholder the mantissa is below 1 (".12E+05").
//   Every placeholder after E counts towards the minimum exponent width, "#" as well as "0".
// - Several "." or "E+": the first one counts, later ones print as they are.
// - Currency follows the locale's currency pattern and digits: US English negatives show as
//   "($1,234.50)".
//
// Dates and times
// - Serials run from 1 January 100 (-657434) to 31 December 9999 (2958465.99999); a value
//   outside, or one whose seconds round past the end, comes back as the text unchanged.
// - Times are shown to the nearest second, a half rounding up; 23:59:59.6 shows as the next
//   day's 00:00:00.
// - "c" and General Date: the time alone when the whole-day part is 0 (so serial 0 gives
//   "12:00:00 AM"), the date alone when the time rounds to 00:00:00, otherwise both.
// - "m"/"mm" mean minutes when the nearest field before them (separators and literal text
//   skipped) is an hour, or the nearest field after them is a second: "hh mm" and "mm:ss" show
//   minutes.
// - A bare "t", "a", "p" or "o" that starts no field prints as it is; runs longer than a field
//   split from the left ("ddddddd" is "dddddd" then "d", "yyy" is "yy" then "y").
// - Short date and "ddddd": the locale's short date with a two-digit year widened to four
//   digits ("1/27/1993"). Long time and "ttttt": the locale's long time without its time zone.
// - Weeks: with setting 2 (four days) the week that holds fewer than four days of the old year
//   is week 1 of the new year (ISO); the old defect that numbered such Mondays 53 is not
//   copied. With settings 1 and 3 the last days of a year stay in its last week (2000-12-31 is
//   54 by default); days before week 1 under settings 2 and 3 get the previous year's number.
// - Day 0 (system) takes the locale's first day of week; week setting 0 takes setting 2 when
//   the locale's week starts on Monday, setting 1 otherwise.
// - Reading text as a date/time: at most 64 characters; a time "5A", "5 PM", "17:04",
//   "5:04:23 pm"; a date of three parts: numbers in the locale's order ("1/27/1993"), a year
//   first when it has three or four digits ("1993-01-27"), or a month name with a day and a
//   year ("January 27, 1993", "27-Jan-93"), optionally after a weekday name; a date may be
//   followed by a time. Two-digit years: 00-29 are 2000-2029, 30-99 are 1930-1999. A date
//   without a year is not read (it would depend on today).
namespace runtime::format {

// Serial numbers of 1 January 100 and 31 December 9999.
constexpr long long kFirstSerialDay = -657434;
constexpr long long kLastSerialDay = 2958465;

// Longest text the date/time reader looks at.
constexpr int kMaxDateTextLength = 64;

// Plain number text: significant digits, and the exponent range shown in fixed notation.
constexpr int kPlainDigits = 15;
constexpr int kPlainLowestFixedExponent = -5;
constexpr int kPlainHighestFixedExponent = 14;

} // namespace runtime::format
