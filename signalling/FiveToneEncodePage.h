#pragma once
// The 5-tone editor's second page, the frame Frame_Encode: the encode list
// (three five-digit frames and a standard per code, edited in place), the
// four delays, the decode standard, the call and display frames and the
// reset time. Every edit goes straight into MemoryImage.
#include <QGroupBox>
#include <array>
#include <memory>

class FiveToneEncodeRules;
class FlexGrid;
class GridCellEditor;
class PickList;
class QCheckBox;
class QLabel;
class TextBox;
struct SignalFileSheet;

class FiveToneEncodePage : public QGroupBox
{
    Q_OBJECT
public:
    explicit FiveToneEncodePage(QWidget *parent);
    ~FiveToneEncodePage() override;

    // The grid's rows and headings (the window's load).
    void setUpGrid();
    // The settings lists' entries and the codes' numbers.
    void fillLists();
    // The list and the settings in the frame as now sized.
    void layOut();

    // The encode list and the settings from MemoryImage. A settings byte
    // beyond its list is stored as the list's last position, as shown.
    void showEncodeList();

    // What the signal file takes from the page: the codes' standard cells
    // as shown, the delays' and the reset time's positions.
    void addToSheet(SignalFileSheet &sheet) const;

    GridCellEditor *editor() const { return m_editor; }

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

signals:
    // A commit, a pick or a box has written into the image.
    void imageWritten();
    // A code's number (the grid's fixed column) was clicked: the window
    // closes the standards table's list for it.
    void codeNumberClicked();

private:
    void settingPicked(int byte, int index);
    void frameBoxClicked(int byte, int bit, bool on);
    void MSF_Encode_DblClick();

    std::unique_ptr<FiveToneEncodeRules> m_rules;
    GridCellEditor *m_editor = nullptr;
};
