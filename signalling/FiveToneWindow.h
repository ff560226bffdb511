#pragma once
// frm_5tone, the 5-tone signalling editor: on its first tab the standards
// table (period, group and repeat tone of each standard) beside the tone
// frequencies of a chosen standard; on its second the encode list and the
// delays, decode standard, call and display frames and reset time; behind a
// page no tab shows, the decode list, which only the ".sig" save reads.
// Read and Write through the window's own exchange; Default, Open and Save
// of the ".dat" image and Close; Timer4 serves the ".sig" requests. Every
// edit goes straight into MemoryImage; the window redraws from it when it
// loads, after Default and its own read, and whenever it is activated.
// Save and Write first take an open edit; a frame of the wrong length is
// warned of and kept open, and stops them.
#include <array>
#include <memory>

#include "link/EditorWindow.h"
#include "signalling/FiveToneDecodeList.h"

class FiveToneDecodeRules;
class FiveToneEncodeRules;
class FiveToneStandardRules;
class FlexGrid;
class GridCellEditor;
class PickList;
class QCheckBox;
class QGroupBox;
class QTabBar;
class VbTimer;
struct SignalFileSheet;

class FiveToneWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit FiveToneWindow(QWidget *parent = nullptr);
    ~FiveToneWindow() override;

    // Every grid cell and settings control from MemoryImage. A settings byte
    // beyond its list is stored as the list's last position, as shown.
    void ShowFiveTone();
    // The 16 frequency labels from the standard chosen in Combo_stxh.
    void ShowStandardFrequencies();

    void TabStrip1_Click(int index);
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();
    void Timer4_Timer();
    void LoadSignalFile();
    void SaveSignalFile();
    // What the window shows that the signal file keeps.
    SignalFileSheet signalFileSheet() const;

    // Commits every open edit; false when one is kept open after its
    // warning (shown again on its page, with the focus).
    bool commitOpenEdit() override;
    void discardOpenEdit() override;

    GridCellEditor *standardEditor() const { return m_stdEditor; }
    GridCellEditor *encodeEditor() const { return m_encEditor; }
    GridCellEditor *decodeEditor() const { return m_decEditor; }

    QTabBar *TabStrip1 = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;
    VbTimer *Timer4 = nullptr;

    // First tab.
    QGroupBox *Frame_std = nullptr;
    FlexGrid *MSF_Chann = nullptr;
    PickList *Combo_edit = nullptr;
    TextBox *Text_Edit = nullptr;
    PickList *Combo_stxh = nullptr;
    QLabel *Label_std_name = nullptr;
    std::array<QLabel *, 16> Label_code{};
    std::array<QLabel *, 16> Label_freq{};

    // Second tab.
    QGroupBox *Frame_Encode = nullptr;
    FlexGrid *MSF_Encode = nullptr;
    PickList *Combo_Encode = nullptr;
    TextBox *Text_Encode = nullptr;
    std::array<PickList *, 4> Combo_Enc_ys{};  // Combo_Enc_ys1, _ys2, Combo_enc_ys3, Combo_Enc_ys4
    std::array<QLabel *, 4> Label_enc_ys{};
    PickList *Combo_Decode_Std = nullptr;
    QLabel *Label_Decode_Std = nullptr;
    PickList *Combo_Dec_Res_Time = nullptr;
    QLabel *Label_Reset_Time = nullptr;
    std::array<QCheckBox *, 3> Check_Decode_HJ{};
    QLabel *Label_Decode_HJ = nullptr;
    std::array<QCheckBox *, 3> Check_Decode_Disp{};
    QLabel *Label_Decode_Disp = nullptr;

    // The page no tab shows.
    QGroupBox *Frame_Decode = nullptr;
    FlexGrid *MSF_Decode = nullptr;
    PickList *Combo_Decode = nullptr;
    TextBox *Text_Decode = nullptr;
    QGroupBox *Frame_Dec_xx = nullptr;
    std::array<QCheckBox *, 3> Check_Disp{}, Check_Led{}, Check_Kz{}, Check_Ts{};
    std::array<std::array<QCheckBox *, 3>, 5> Check_zh{};  // Check_zh0 .. Check_zh4
    QCheckBox *Check_Dec_back = nullptr;
    QCheckBox *Check_Dec_Bcl = nullptr;
    PickList *Combo_Dec_Back_Time = nullptr;
    QLabel *Label8 = nullptr;

    // The decode list's function bits, and the code whose boxes are shown.
    DecodeFunctionGrid DecodeFunctionTable{};
    int CurrentDecodeRow = 0;
    void ShowDecodeFunctions(int row);
    void StoreDecodeFunctions(int row);

protected:
    void loadForm() override;
    void showImage() override { ShowFiveTone(); }
    bool editing() const override;
    void formUnload() override;

private:
    void showStandardsTable();
    // A click on a standard's name (grid row r): that standard's
    // frequencies; the table's editor hidden, nothing stored.
    void standardNameClicked(int r);
    // Closes the standards table's list (a click on a standard's name or a
    // code's number): its pick is already stored, the table shows the image.
    void hideStandardEditor();
    void buildStandardPage();
    void buildEncodePage();
    void buildDecodePage();
    void layOut();
    void FillToneLists();
    void settingPicked(int byte, int index);
    void frameBoxClicked(int byte, int bit, bool on);
    void MSF_Chann_Click();
    void MSF_Encode_DblClick();
    void MSF_Decode_Click();
    // Code r of the decode list (1..15): its caption and function boxes.
    void showDecodeCode(int r);
    void MSF_Decode_DblClick();
    void Text_Decode_Change(const QString &text);
    void Check_Dec_back_Click();

    std::unique_ptr<FiveToneStandardRules> m_stdRules;
    std::unique_ptr<FiveToneEncodeRules> m_encRules;
    std::unique_ptr<FiveToneDecodeRules> m_decRules;
    GridCellEditor *m_stdEditor = nullptr;
    GridCellEditor *m_encEditor = nullptr;
    GridCellEditor *m_decEditor = nullptr;
};
