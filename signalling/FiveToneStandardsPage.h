#pragma once
// The 5-tone editor's first page, the frame Frame_std: the standards table
// (period, group and repeat tone of each standard, edited in place and
// stored at the pick) beside the 16 tone frequencies of the standard chosen
// in Combo_stxh.
#include <QGroupBox>
#include <array>
#include <memory>

class FiveToneStandardRules;
class FlexGrid;
class GridCellEditor;
class PickList;
class QLabel;
class TextBox;
struct SignalFileSheet;

class FiveToneStandardsPage : public QGroupBox
{
    Q_OBJECT
public:
    explicit FiveToneStandardsPage(QWidget *parent);
    ~FiveToneStandardsPage() override;

    // The grid's rows and headings (the window's load).
    void setUpGrid();
    // The standards' names into Combo_stxh (CCIR1 chosen) and the table's
    // fixed column.
    void fillLists();
    // The table, the list and the frequency labels in the frame as now sized.
    void layOut();

    // The table's cells from MemoryImage.
    void showStandardsTable();
    // The 16 frequency labels from the standard chosen in Combo_stxh.
    void ShowStandardFrequencies();
    // Closes the table's list (a click on a standard's name or a code's
    // number): its pick is already stored, the table shows the image.
    void hideStandardEditor();

    // What the signal file takes from the table: its cells as shown.
    void addToSheet(SignalFileSheet &sheet) const;

    GridCellEditor *editor() const { return m_editor; }

    FlexGrid *MSF_Chann = nullptr;
    PickList *Combo_edit = nullptr;
    TextBox *Text_Edit = nullptr;
    PickList *Combo_stxh = nullptr;
    QLabel *Label_std_name = nullptr;
    std::array<QLabel *, 16> Label_code{};
    std::array<QLabel *, 16> Label_freq{};

signals:
    // A pick has run: it may have written into the image.
    void imageWritten();

private:
    void MSF_Chann_Click();
    // A click on a standard's name (grid row r): that standard's
    // frequencies; the table's editor hidden, nothing stored.
    void standardNameClicked(int r);

    std::unique_ptr<FiveToneStandardRules> m_rules;
    GridCellEditor *m_editor = nullptr;
};
