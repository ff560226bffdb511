#include "signalling/TwoToneControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

#include "platform/FlexGrid.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"

namespace {
QLabel *label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QGroupBox *frame(QWidget *parent, const char *name)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

const char *const TimingLabels[TwoToneTimingCount] = {"Label_1st", "Label_2nd", "Label_gap",
                                                      "Label_Reset"};
const char *const ToneBoxes[4] = {"Text_A", "Text_B", "Text_C", "Text_D"};
const char *const ToneLabels[4] = {"Label_A_tone", "Label_B_Tone", "Label_C_Tone",
                                   "Label_D_Tone"};
} // namespace

QWidget *TwoToneControls::build(QWidget *window)
{
    auto *pages = new QWidget(window);
    pages->setObjectName(QStringLiteral("TwoTonePages"));
    auto *column = new QVBoxLayout(pages);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    TabStrip1 = new QTabBar(pages);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    column->addWidget(TabStrip1);
    auto *stack = new QGridLayout;
    column->addLayout(stack, 1);

    for (int k = 0; k < TwoToneTimingCount; ++k) {
        timings[k] = new PickList;
        timings[k]->setObjectName(TwoToneTimings()[k].name);
    }

    // Encode frame: the grid on the left, the three timing lists beside it.
    Frame_Encode = frame(pages, "Frame_Encode");
    auto *enc = new QGridLayout(Frame_Encode);
    MSF_Encode = new FlexGrid(Frame_Encode);
    MSF_Encode->setObjectName(QStringLiteral("MSF_Encode"));
    MSF_Encode->setRows(16);
    MSF_Encode->setCols(3);
    enc->addWidget(MSF_Encode, 0, 0, 7, 1);
    for (int k = 0; k < 3; ++k) {
        QLabel *l = label(Frame_Encode, TimingLabels[k]);
        l->setBuddy(timings[k]);
        enc->addWidget(l, 2 * k, 1);
        enc->addWidget(timings[k], 2 * k + 1, 1);
    }
    enc->setRowStretch(6, 1);
    enc->setColumnStretch(0, 1);
    Text_Encode = new TextBox(MSF_Encode->parentWidget());
    Text_Encode->setObjectName(QStringLiteral("Text_Encode"));
    Text_Encode->setAccessibleName(QStringLiteral("MSF_Encode cell"));
    Text_Encode->hide();
    Combo_Encode = new PickList(Frame_Encode);
    Combo_Encode->setObjectName(QStringLiteral("Combo_Encode"));
    Combo_Encode->setAccessibleName(QStringLiteral("MSF_Encode cell"));
    Combo_Encode->hide();
    stack->addWidget(Frame_Encode, 0, 0);

    // Decode frame: the grid above, the tone boxes and the reset list below.
    Frame_Decode = frame(pages, "Frame_Decode");
    auto *dec = new QGridLayout(Frame_Decode);
    MSF_Decode = new FlexGrid(Frame_Decode);
    MSF_Decode->setObjectName(QStringLiteral("MSF_Decode"));
    MSF_Decode->setRows(16);
    MSF_Decode->setCols(13);
    dec->addWidget(MSF_Decode, 0, 0, 1, 2);
    Combo_Decode = new PickList(Frame_Decode);
    Combo_Decode->setObjectName(QStringLiteral("Combo_Decode"));
    Combo_Decode->setAccessibleName(QStringLiteral("MSF_Decode cell"));
    Combo_Decode->hide();
    Text_Decode = new TextBox(Frame_Decode);
    Text_Decode->setObjectName(QStringLiteral("Text_Decode"));
    Text_Decode->setAccessibleName(QStringLiteral("MSF_Decode cell"));
    Text_Decode->hide();
    Frame_Dec_xx = frame(Frame_Decode, "Frame_Dec_xx");
    auto *tones = new QGridLayout(Frame_Dec_xx);
    for (int k = 0; k < 4; ++k) {
        toneBoxes[k] = new TextBox(Frame_Dec_xx);
        toneBoxes[k]->setObjectName(QString::fromLatin1(ToneBoxes[k]));
        QLabel *l = label(Frame_Dec_xx, ToneLabels[k]);
        l->setBuddy(toneBoxes[k]);
        tones->addWidget(l, 0, k);
        tones->addWidget(toneBoxes[k], 1, k);
    }
    dec->addWidget(Frame_Dec_xx, 1, 0, 2, 1);
    QLabel *reset = label(Frame_Decode, TimingLabels[3]);
    reset->setBuddy(timings[3]);
    dec->addWidget(reset, 1, 1);
    dec->addWidget(timings[3], 2, 1);
    dec->setRowStretch(0, 1);
    dec->setColumnStretch(0, 1);
    stack->addWidget(Frame_Decode, 0, 0);
    // The window is as tall as the taller page, whichever shows first.
    for (QWidget *page : {Frame_Encode, Frame_Decode}) {
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
    }
    Frame_Decode->hide();
    return pages;
}
