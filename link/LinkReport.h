#pragma once
// What an exchange shows: its window's progress bar and status label, its
// boxes (completion, failure, password refusal) and the main window's
// status panels (the identification, panel 2's failure text). The engine
// (LinkSession) decides when; this class knows how, from the window's
// settings.
#include <QString>

#include "link/Frames.h"
#include "link/LinkControls.h"
#include "link/LinkSettings.h"

class LinkReport
{
public:
    // Both are the session's own and outlive the report.
    LinkReport(const LinkControls &controls, const LinkSettings &settings)
        : m_controls(controls), m_settings(settings)
    {
    }

    void progress(double value);  // the bar shown with Int(value)
    void label(const QString &text);
    // The label as its two texts around the decimal number n.
    void progressLabel(const BiText &before, int n, const BiText &after);
    void connecting();                          // bar at 0, the connecting line
    void identification(const IdentInfo &info); // BandLimits and the panels
    void readDone();
    void writeDone();
    void passwordRefused();
    // No retry left, as the settings' failure report says; rowsStored: the
    // radio acknowledged rows of a write before it failed.
    void failure(bool rowsStored = false);
    void portLost();  // a retry found the port gone (its box came first)

private:
    const LinkControls &m_controls;
    const LinkSettings &m_settings;
};
