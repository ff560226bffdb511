#pragma once
// The 5-tone editor's page no tab shows, the frame Frame_Decode: the decode
// list (edited in place, kept only in its cells), the function boxes of the
// code last clicked and the reply options. Nothing of it is in MemoryImage;
// only the ".sig" save reads it.
#include <QGroupBox>
#include <array>
#include <memory>

#include "signalling/FiveToneDecodeList.h"

class FiveToneDecodeRules;
class FlexGrid;
class GridCellEditor;
class PickList;
class QCheckBox;
class QLabel;
class TextBox;
struct SignalFileSheet;

class FiveToneDecodePage : public QGroupBox
{
    Q_OBJECT
public:
    explicit FiveToneDecodePage(QWidget *parent);
    ~FiveToneDecodePage() override;

    // The grid's rows and headings (the window's load).
    void setUpGrid();
    // The list, the function boxes and the reply options in the frame as
    // now sized.
    void layOut();

    // The page brought up: the first code's function boxes shown.
    void showFirstCode();

    // What the signal file takes from the page: the list's cells as shown,
    // the function table and the reply options.
    void addToSheet(SignalFileSheet &sheet) const;

    GridCellEditor *editor() const { return m_editor; }

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

signals:
    // A code's number (the grid's fixed column) was clicked, after its
    // function boxes are shown: the window closes the standards table's
    // list for it, as on the encode list.
    void codeNumberClicked();

private:
    void MSF_Decode_Click();
    // Code r of the decode list (1..15): its caption and function boxes.
    void showDecodeCode(int r);
    void MSF_Decode_DblClick();
    void Text_Decode_Change(const QString &text);
    void Check_Dec_back_Click();

    std::unique_ptr<FiveToneDecodeRules> m_rules;
    GridCellEditor *m_editor = nullptr;
};
