#pragma once
// The editing area of the option editor: the 43 option lists with their
// labels, the two frequency-mode frames, the ANI and PTT-ID code boxes and
// the power-on text box. Every edit goes into MemoryImage at once (a list
// pick, a code or text change; a frequency when its box is left). ShowOptions
// is the only way from the image to the controls; what it stores back is
// only what makes the image hold what is shown (a byte beyond its list, the
// frequency-mode records' display rules, the code fields packed).
#include <QWidget>
#include <vector>

#include "memory/OptionFields.h"

class FrequencyModeFrame;
class PickList;
class QGroupBox;
class QLabel;
class TextBox;

class OptionPanel : public QWidget
{
    Q_OBJECT
public:
    explicit OptionPanel(QWidget *parent = nullptr);

    // Every caption in the current language.
    void setCaptions();
    // Empties and fills all 65 lists in the current language; selects nothing.
    void FillOptionLists();
    // Shows the option area as the image holds it: OptionValues reloaded from
    // rows 224-239, every list, the code boxes, both frames and the power-on
    // text. A byte beyond its list shows the list's last entry and is stored
    // as that index; the code fields are packed again from the shown codes;
    // a list without a byte shows its factory setting. Every byte is read
    // before any control is touched; in-range bytes and the power-on text
    // are left as they are. A code box or the power-on box whose text
    // already stands for its bytes is not refilled: its text and caret stay
    // as the user left them.
    void ShowOptions();

    // The display routines of the two frames: the record each shows now.
    void ShowLeftFrequencyMode();
    void ShowRightFrequencyMode();

    // The option lists and their labels, in the order of OptionBoxes().
    std::vector<PickList *> optionLists;
    std::vector<QLabel *> optionLabels;
    PickList *optionList(OptionField field) const;

    FrequencyModeFrame *Frame_A = nullptr;
    FrequencyModeFrame *Frame_B = nullptr;

    TextBox *Text_ANI = nullptr;
    TextBox *Text_PttId_Begin = nullptr;
    TextBox *Text_PttId_End = nullptr;
    QLabel *Label_ANI = nullptr;
    QLabel *Label_Send_Begin = nullptr;
    QLabel *Label_Send_End = nullptr;
    QGroupBox *Frame_Pon_Msg = nullptr;
    TextBox *Text_Model_Disp = nullptr;
    QLabel *Label_Model_Disp = nullptr;

    // The shown controls in the order Tab visits them: the option lists
    // column by column, the two frames, the code boxes, the power-on text.
    QList<QWidget *> tabOrder() const;

    // The ANI check when the box is left after an edit.
    void Text_ANI_LostFocus();

    // The frequencies typed and not yet committed: committed (before the
    // image is saved or sent; false while a warning of a frequency box is
    // open, when nothing can be committed) or dropped (the image was
    // replaced).
    [[nodiscard]] bool commitOpenEdit();
    void discardOpenEdit();
    // True while a warning of one of the boxes is open.
    bool editing() const;

signals:
    // An edit of the user's went into the image.
    void imageWritten();

private:
    TextBox *codeBox(const char *name, OptionField field);
    bool m_checkingAni = false;
    void layOut();
};
