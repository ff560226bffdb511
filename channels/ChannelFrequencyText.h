#pragma once
// The channel grid's rules for a typed frequency text: what counts as
// blank, which texts and values the radio takes, the text that replaces a refused
// value and the completed form of a text confirmed with Enter.
#include <QString>

// Nothing but blanks (or nothing at all).
bool IsBlankText(const QString &text);
// A typed frequency with each comma read as the decimal point ("440,5" ->
// "440.5").
QString TypedFrequencyText(const QString &typed);
// A frequency text the radio takes: a number (digits with at most one point,
// a sign allowed, blanks skipped) with nothing else after it, whose value is
// FrequencyAccepted. A text with anything after its number ("146.5MHz",
// "440.5.1") is refused like a value outside the band limits.
bool FrequencyTextAccepted(const QString &text);
// Inside the band limits (CheckBandFrequency) and a frequency the record can
// hold (0 <= mhz < 1000).
bool FrequencyAccepted(double mhz);
// The lower limit of the first BandLimits pair as a frequency text: a point
// added when there is none, zeros up to 9 characters from 100 MHz on, up to
// 8 below ("136.00000").
QString SubstituteFrequencyText();
// A typed text confirmed with Enter: cut to 9 characters, a point added when
// there is none, zeros up to 9 characters when its value is 100 or more, up
// to 8 below ("145" -> "145.00000", "145.5" -> "145.50000").
QString CompletedFrequencyText(const QString &typed);
