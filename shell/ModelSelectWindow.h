#pragma once
// Form_type, the model selection window: picks the radio's frequency-range
// type (a BandTable row) and sets BandTableRow and the first BandLimits pair
// from it. A top-level window.
#include "platform/Windows.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The list lines the window offers: BandRangeNames entries 0 to 6.
inline constexpr int ModelTypeLines = 7;

// The range text of a BandTable row as Label_band shows it: two blanks before
// each limit ("  130 --  179").
QString BandRangeText(int row);

class ModelSelectWindow : public Form
{
    Q_OBJECT
public:
    explicit ModelSelectWindow(QWidget *parent = nullptr);

    void formLoad() override;

    void Combo_type_Click(int line);
    void Combo_type_Change();
    void Command_enter_Click();
    void Command_Cancel_Click();

private:
    void writeCaptions();
    void showRow(int line);

    QGroupBox *Frame1;
    QLabel *Label1;
    QComboBox *Combo_type;
    QLabel *Label2;
    QLabel *Label_band;
    QPushButton *Command_enter;
    QPushButton *Command_Cancel;
    QString m_lastPick;  // the list text of the last pick
};
