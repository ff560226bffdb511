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
// Each page is a widget of its own, with its controls and handlers; the
// window holds the tabs, the buttons, the load and show, the commit of open
// edits, the exchange, and the one rule across pages: a click on a code's
// number in the encode or decode list closes the standards table's list.
#include "link/EditorWindow.h"
#include "signalling/FiveToneDecodePage.h"
#include "signalling/FiveToneEncodePage.h"
#include "signalling/FiveToneStandardsPage.h"

class GridCellEditor;
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

protected:
    // Commits every open edit; false when one is kept open after its
    // warning (shown again on its page, with the focus).
    [[nodiscard]] bool commitOpenEdit() override;

public:
    void discardOpenEdit() override;

    GridCellEditor *standardEditor() const { return Frame_std->editor(); }
    GridCellEditor *encodeEditor() const { return Frame_Encode->editor(); }
    GridCellEditor *decodeEditor() const { return Frame_Decode->editor(); }

    QTabBar *TabStrip1 = nullptr;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;
    VbTimer *Timer4 = nullptr;

    // The pages, each a frame of the design: the first tab's, the
    // second's, and the one no tab shows.
    FiveToneStandardsPage *Frame_std = nullptr;
    FiveToneEncodePage *Frame_Encode = nullptr;
    FiveToneDecodePage *Frame_Decode = nullptr;

protected:
    void loadForm() override;
    void showImage() override { ShowFiveTone(); }
    bool editing() const override;
    void formUnload() override;

private:
    void layOut();
    void FillToneLists();
};
