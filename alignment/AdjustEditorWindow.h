#pragma once
// frm_Adj_Txp, the alignment editor: AdjustImage on five tabs (high and
// middle transmit power, squelch, deviation and volume, frequency range),
// every edit stored at once; Default, the ".adj" file through its dialogs
// and Timer4, and Read and Write through the window's own exchange. The
// window redraws the shown tab when it loads, on a tab click, on Default,
// after its read and after a file load; activating it redraws nothing.
#include "alignment/AdjustLayout.h"
#include "alignment/AdjustSettings.h"
#include "link/EditorWindow.h"

#include <array>

class PickList;
class QCheckBox;
class QGroupBox;
class QTabBar;
class VbTimer;

class AdjustEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit AdjustEditorWindow(QWidget *parent = nullptr);
    ~AdjustEditorWindow() override;

    // The shown tab from AdjustImage; the controls' handlers run as the
    // values land, as a user's edit would.
    void ShowAdjustTab();

    void TabStrip1_Click(int index);
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();
    void Timer4_Timer();
    // The handlers of the controls.
    void valueBoxChanged(int family, int index);
    void numericListClick(int list, int entry);
    void Combo_Range_Type_Click(int entry);
    void Check_Csh_Type_Click(bool ticked);
    void Check_Tx_Click(int band, bool ticked);
    void Text_Freq_H_LostFocus(int band);
    void Text_Freq_L_LostFocus(int band);
    void Text_user_PassWord_Change();
    void Text_Super_PassWord_Change();
    void LoadAdjustFile();
    void SaveAdjustFile();

    // The tab shown: 0 high power .. 4 range.
    int CurrentAdjustTab = 0;

    QTabBar *TabStrip1 = nullptr;
    QGroupBox *Frame_Frame = nullptr;
    QGroupBox *Frame_Sql = nullptr;
    QGroupBox *Frame_Dev = nullptr;
    QGroupBox *Frame_Other = nullptr;

    // The value boxes by family (AdjustValueFamilies order) and index, with
    // the labels that caption them.
    std::array<QList<TextBox *>, 12> valueBoxes;
    std::array<std::array<QLabel *, AdjustPoints>, AdjustBandCount> Label_TXP{};
    std::array<std::array<QLabel *, AdjustLevels>, AdjustBandCount> Label_Sql{};
    std::array<std::array<QLabel *, AdjustPoints>, AdjustBandCount> Label_Sq_Offset{};

    // The numeric lists in AdjustNumericLists order, and the range type.
    std::array<PickList *, AdjustNumericListCount> numericLists{};
    PickList *Combo_Range_Type = nullptr;
    QCheckBox *Check_Csh_Type = nullptr;
    std::array<QCheckBox *, AdjustBandCount> Check_Tx{};
    std::array<TextBox *, AdjustBandCount> Text_Freq_L{};
    std::array<TextBox *, AdjustBandCount> Text_Freq_H{};
    TextBox *Text_user_PassWord = nullptr;
    TextBox *Text_Super_PassWord = nullptr;

    QPushButton *Command_def = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_close = nullptr;
    VbTimer *Timer4 = nullptr;

    // The box of a family by its array name and index ("Text_TXP_VHF", 3).
    TextBox *valueBox(const char *family, int index) const;
    PickList *list(const char *name) const;

protected:
    void loadForm() override;
    void showImage() override { ShowAdjustTab(); }
    void redisplay() override {}
    BiText unloadBusyText() const override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Builds the controls of each frame and the window's layout.
    void createControls();
    void createPowerFrame();
    void createSquelchFrame();
    void createDeviationFrame();
    void createRangeFrame();
    void layOut();
    void placeControls();
    void InitAdjustForm();
    void connectHandlers();


    // The focus back to a box after a warning, when it is on screen.
    static void refocus(QWidget *box);
    // The focus to the first control of a page, in the tab order.
    static void focusFirstControl(QWidget *page);
};
