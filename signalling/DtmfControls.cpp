#include "signalling/DtmfControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/PickList.h"
#include "platform/TextBox.h"

namespace {
QLabel *label(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

QGroupBox *frame(QWidget *parent, const char *name)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

const char *const FunctionLabels[6] = {"Label_xc", "Label_jt", "Label_bj",
                                       "Label_yy", "Label_yb", "Label_kj"};
const char *const ListLabels[DtmfListCount] = {
    "Label_dtmf_ontime", "Label_dtmf_offtime", "Label_Group_code",
    "Label_Dec_Space_Code", "Label_Rece_End_ProcDelay", "Label_Reset_Time"};
} // namespace

QWidget *DtmfControls::build(QWidget *window)
{
    auto *frames = new QWidget(window);
    frames->setObjectName(QStringLiteral("DtmfFrames"));
    auto *row = new QHBoxLayout(frames);
    row->setContentsMargins(0, 0, 0, 0);

    for (int k = 0; k < DtmfCodeBoxCount; ++k) {
        codeBoxes[k] = new TextBox;
        codeBoxes[k]->setObjectName(DtmfCodeBoxes()[k].name);
    }
    for (int k = 0; k < DtmfListCount; ++k) {
        lists[k] = new PickList;
        lists[k]->setObjectName(DtmfLists()[k].name);
    }
    for (int k = 0; k < DtmfCheckCount; ++k) {
        checks[k] = new QCheckBox;
        checks[k]->setObjectName(DtmfChecks()[k].name);
    }

    // Encode frame: the numbered codes on the left, timings and state beside.
    Frame_Encode = frame(frames, "Frame_Encode");
    auto *enc = new QGridLayout(Frame_Encode);
    enc->setVerticalSpacing(2);
    // The headings sit on the first code row; the room a taller window
    // gives goes below the fifteen rows, never between them and their headings.
    enc->addWidget(label(Frame_Encode, QStringLiteral("Label_encode_xh")), 0, 0,
                   Qt::AlignHCenter | Qt::AlignBottom);
    enc->addWidget(label(Frame_Encode, QStringLiteral("Label_tx_encode")), 0, 1,
                   Qt::AlignHCenter | Qt::AlignBottom);
    for (int i = 0; i < 15; ++i) {
        Label_xh[i] = label(Frame_Encode, QStringLiteral("Label_xh(%1)").arg(i));
        Label_xh[i]->setAlignment(Qt::AlignCenter);
        Label_xh[i]->setBuddy(codeBoxes[i]);
        enc->addWidget(Label_xh[i], i + 1, 0);
        enc->addWidget(codeBoxes[i], i + 1, 1);
    }
    auto *side = new QVBoxLayout;
    for (int k = 0; k < 2; ++k) {
        QLabel *l = label(Frame_Encode, QString::fromLatin1(ListLabels[k]));
        l->setBuddy(lists[k]);
        side->addWidget(l);
        side->addWidget(lists[k]);
    }
    side->addSpacing(12);
    Frame_State = frame(Frame_Encode, "Frame_State");
    auto *state = new QVBoxLayout(Frame_State);
    state->addWidget(checks[11]);  // Check_RX
    state->addWidget(checks[12]);  // Check_Tx
    side->addWidget(Frame_State);
    side->addStretch(1);
    enc->setRowStretch(16, 1);
    enc->addLayout(side, 1, 2, 16, 1);
    enc->setColumnStretch(1, 2);
    enc->setColumnStretch(2, 1);
    row->addWidget(Frame_Encode, 1);

    // Decode frame: the ID control, the function codes, the four lists.
    Frame_Decode = frame(frames, "Frame_Decode");
    auto *dec = new QVBoxLayout(Frame_Decode);
    Frame_Ctrl = frame(Frame_Decode, "Frame_Ctrl");
    auto *ctrl = new QGridLayout(Frame_Ctrl);
    ctrl->setVerticalSpacing(2);
    ctrl->addWidget(checks[0], 0, 0, 1, 7);  // Check_Ctrl_En
    Label_PID = label(Frame_Ctrl, QStringLiteral("Label_PID"));
    Label_SID = label(Frame_Ctrl, QStringLiteral("Label_SID"));
    Label_PID->setAlignment(Qt::AlignCenter);
    Label_SID->setAlignment(Qt::AlignCenter);
    Label_PID->setBuddy(codeBoxes[21]);
    Label_SID->setBuddy(codeBoxes[22]);
    ctrl->addWidget(label(Frame_Ctrl, QStringLiteral("Label_xcjtyyybkj_2")), 1, 2, 1, 5);
    ctrl->addWidget(label(Frame_Ctrl, QStringLiteral("Label_xcjtyyybkj_1")), 2, 2, 1, 5);
    ctrl->addWidget(Label_PID, 3, 0);
    ctrl->addWidget(codeBoxes[21], 3, 1);
    ctrl->addWidget(Label_SID, 4, 0);
    ctrl->addWidget(codeBoxes[22], 4, 1);
    for (int i = 0; i < 5; ++i) {
        QCheckBox *m = checks[1 + i], *s = checks[6 + i];
        ctrl->addWidget(m, 3, 2 + i, Qt::AlignCenter);
        ctrl->addWidget(s, 4, 2 + i, Qt::AlignCenter);
    }
    dec->addWidget(Frame_Ctrl);

    Frame_jm = frame(Frame_Decode, "Frame_jm");
    auto *jm = new QGridLayout(Frame_jm);
    jm->setVerticalSpacing(2);
    for (int k = 0; k < 6; ++k) {
        QLabel *l = label(Frame_jm, QString::fromLatin1(FunctionLabels[k]));
        l->setBuddy(codeBoxes[15 + k]);
        jm->addWidget(l, k / 2, 2 * (k % 2));
        jm->addWidget(codeBoxes[15 + k], k / 2, 2 * (k % 2) + 1);
    }
    dec->addWidget(Frame_jm);

    auto *decodeLists = new QGridLayout;
    for (int k = 2; k < DtmfListCount; ++k) {
        QLabel *l = label(Frame_Decode, QString::fromLatin1(ListLabels[k]));
        l->setBuddy(lists[k]);
        decodeLists->addWidget(l, (k - 2) / 2, 2 * (k % 2));
        decodeLists->addWidget(lists[k], (k - 2) / 2, 2 * (k % 2) + 1);
    }
    dec->addLayout(decodeLists);
    dec->addStretch(1);
    row->addWidget(Frame_Decode, 1);

    for (const QString &name : DtmfIdControlledNames())
        idControlled << frames->findChild<QWidget *>(name);
    return frames;
}
