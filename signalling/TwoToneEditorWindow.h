#pragma once
// frm_2tone, the 2-tone editor: on the encode tab the tone pairs of the 15
// encode codes and the tone and gap times; on the decode tab the four
// entries of the 15 decode codes, the tones A-D of the chosen decode code
// and the reset time. Shown from the 2-tone area of MemoryImage and stored
// back at every edit; Default, Open, Save and Close; Read and Write through
// the window's own exchange (the engine's canonical one).
#include <array>
#include <memory>

#include "link/EditorWindow.h"
#include "signalling/TwoToneControls.h"

class GridCellEditor;
class QPushButton;
class TwoToneDecodeRules;
class TwoToneEncodeRules;

class TwoToneEditorWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit TwoToneEditorWindow(QWidget *parent = nullptr);
    ~TwoToneEditorWindow() override;

    // Every control from the 2-tone area; writes back only a timing byte
    // past its list, as the list's last index.
    void ShowTwoTone();
    // The tones A-D of decode code x + 1 in Text_A to Text_D.
    void Edata_Load(int x);

    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();
    void TabStrip1_Click(int index);  // 0 encode, 1 decode

    // The decode code (0-14) whose tones the four boxes show and edit.
    int CurrentDecodeCode = 0;

    TwoToneControls controls;
    QPushButton *Command_def = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_open = nullptr;
    QPushButton *Command_close = nullptr;
    GridCellEditor *encodeEditor() const { return m_encodeEditor; }
    GridCellEditor *decodeEditor() const { return m_decodeEditor; }

    void discardOpenEdit() override;

protected:
    [[nodiscard]] bool commitOpenEdit() override;
    void loadForm() override;
    void showImage() override { ShowTwoTone(); }
    void redisplay() override;
    bool editing() const override;

private:
    void selectDecodeCode(int x);
    void decodeCellClicked();
    void decodeCellLeft(int row, int col);
    void decodeCodeDoubleClicked();
    void toneBoxLeft(int k);
    void timingPicked(int list, int index);
    QStringList responses() const;

    std::unique_ptr<TwoToneEncodeRules> m_encodeRules;
    std::unique_ptr<TwoToneDecodeRules> m_decodeRules;
    GridCellEditor *m_encodeEditor = nullptr;
    GridCellEditor *m_decodeEditor = nullptr;
    std::array<QString, 4> m_toneShown;  // the tone boxes' texts as last shown
    bool m_showing = false;              // ShowTwoTone is setting the controls
    bool m_toneCommit = false;           // a tone box's commit is under way
};
