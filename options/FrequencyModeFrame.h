#pragma once
// One frequency-mode frame of the option editor: the left frame Frame_A
// shows record A (or C), the right frame Frame_B record B (or D). It holds the
// frequency box, the offset and two tone lists, eight setting lists, their
// labels and the two hidden option buttons that choose the record. Every
// pick is stored at once, a frequency when its box loses the focus. The
// display routine stores back only what makes the record hold what is shown:
// the offset of the item shown, no tone as 0, 0, a setting beyond its list
// as the list's last index; it never writes the frequency.
#include <QGroupBox>
#include <array>

#include "options/FrequencyMode.h"

class PickList;
class QLabel;
class QRadioButton;
class TextBox;

class FrequencyModeFrame : public QGroupBox
{
    Q_OBJECT
public:
    enum Side { Left = 0, Right = 1 };
    // The frame's lists in the order they are filled.
    enum ListRole {
        TxPower, RxTone, TxTone, Bandwidth, ShiftDirection, Offset, Step,
        OptionalSignal, MuteRelation, SignalCode, Scrambler, ListCount
    };

    FrequencyModeFrame(Side side, QWidget *parent = nullptr);

    Side side() const { return m_side; }
    // The record the frame shows now: A or C on the left, B or D on the right.
    int record() const;

    // Captions of the frame, its labels and option buttons in the current
    // language.
    void setCaptions();
    // Empties and fills the eleven lists in the current language.
    void fillLists();
    // ShowLeftFrequencyMode / ShowRightFrequencyMode: every control from the
    // record's bytes, the record normalised to what is shown (see above).
    void showRecord();

    // The option buttons' click: the frame's caption for the chosen record,
    // then the display routine.
    void selectFirst_Click();   // Option_Select_A / Option_Select_B
    void selectSecond_Click();  // Option_Select_C / Option_Select_D

    // The frequency box's lost focus: an edited frequency is checked against
    // the bands, normalised, stored and shown again.
    void Text_Freq_LostFocus();
    // The frequency box's change: more than nine characters are refused.
    void Text_Freq_Change();

    // A frequency typed and not yet committed: commitTyped commits it as
    // leaving the box does (before the image is saved or sent; a box emptied
    // by the too-long warning shows the stored frequency again), false while
    // a warning of the box is open; dropTyped forgets it when the record's
    // stored frequency is no longer the one the typing started from (the
    // image was replaced).
    [[nodiscard]] bool commitTyped();
    void dropTyped();
    // The frame's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;
    // True while a warning of the frequency box is open.
    bool committing() const { return m_committing; }

    TextBox *Text_Freq = nullptr;
    QLabel *Label_Freq = nullptr;
    std::array<PickList *, ListCount> lists{};
    std::array<QLabel *, ListCount> labels{};
    QRadioButton *Option_Select_First = nullptr;   // A or B
    QRadioButton *Option_Select_Second = nullptr;  // C or D

signals:
    // A pick or a committed frequency went into the image.
    void imageWritten();

private:
    void storePick(ListRole role, int index);
    void showTone(ListRole role, int at);
    void setSetting(ListRole role, FrequencyMode::Setting setting);
    void layOut();

    Side m_side;
    bool m_refusing = false;  // inside the too-long refusal
    bool m_committing = false;
    bool m_emptied = false;  // emptied by the too-long warning, nothing typed since
    QString m_shownFrequency;  // the frequency last shown, and its record
    int m_shownRecord = -1;
};
