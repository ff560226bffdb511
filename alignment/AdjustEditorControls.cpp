// The alignment editor's controls: the tab strip, the four frames with their
// boxes, labels and lists, the buttons, Timer4 and the window's layout.
#include "alignment/AdjustEditorWindow.h"

#include "alignment/AdjustTexts.h"
#include "alignment/AdjustValueBoxes.h"
#include "platform/PickList.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "platform/VbTimer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

namespace {
int px(double twips) { return Screen::toPixels(twips); }

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel *newLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

TextBox *newBox(const QString &name, QWidget *parent)
{
    auto *b = new TextBox(parent);
    b->setObjectName(name);
    return b;
}

QGridLayout *tightGrid(QWidget *parent)
{
    auto *g = new QGridLayout(parent);
    g->setContentsMargins(4, 2, 4, 2);
    g->setHorizontalSpacing(2);
    g->setVerticalSpacing(1);
    return g;
}

QString zh(const char *text) { return QString::fromUtf8(text); }
} // namespace

void AdjustEditorWindow::createControls()
{
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    for (const AdjustTabInfo &t : AdjustTabs) {
        const int i = TabStrip1->addTab(zh(t.tabText));
        TabStrip1->setTabData(i, QString::fromLatin1(t.key));
    }
    createPowerFrame();
    createSquelchFrame();
    createDeviationFrame();
    createRangeFrame();

    Command_def = addButton("Command_def");
    Command_open = addButton("Command_open");
    Command_save = addButton("Command_save");
    Command_close = addButton("Command_close");
    // The password box of the other editors: this window has none.
    Label_PassWord->hide();
    Text_PassWord->hide();

    // Tab order: the tabs, each frame's controls in reading order, then the
    // buttons; hidden controls are passed over.
    QList<QWidget *> order{TabStrip1};
    for (const QList<TextBox *> &family : valueBoxes)
        for (TextBox *box : family)
            order << box;
    for (int k = 0; k < AdjustDeviationListCount; ++k)
        order << numericLists[k];
    for (int b = 0; b < AdjustBandCount; ++b)
        order << Text_Freq_L[b] << Text_Freq_H[b] << Check_Tx[b];
    order << Text_user_PassWord << Text_Super_PassWord << numericLists[AdjustNumericListCount - 1]
          << Combo_Range_Type << Check_Csh_Type << Command_read << Command_Write << Command_def
          << Command_open << Command_save << Command_close;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    Timer4 = new VbTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(500);
    Timer4->setEnabled(true);
}

void AdjustEditorWindow::createPowerFrame()
{
    Frame_Frame = new QGroupBox(this);
    Frame_Frame->setObjectName(QStringLiteral("Frame_Frame"));
    auto *outer = new QVBoxLayout(Frame_Frame);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(2);
    for (int b = 0; b < AdjustBandCount; ++b) {
        auto *group = new QGroupBox(zh(AdjustPowerGroupCaptions[b]), Frame_Frame);
        group->setObjectName(QStringLiteral("Frame_TXP_%1").arg(QLatin1String(AdjustBandNames[b])));
        outer->addWidget(group);
        QGridLayout *g = tightGrid(group);
        const AdjustValueFamily &f = AdjustValueFamilies[b];
        const QString labelName = QStringLiteral("Label_TXP_%1").arg(QLatin1String(AdjustBandNames[b]));
        for (int i = 0; i < AdjustPoints; ++i) {
            QLabel *label = newLabel(arrayName(qPrintable(labelName), i), QStringLiteral("0"), group);
            label->setAlignment(Qt::AlignCenter);
            QFont small = label->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            label->setFont(small);
            label->hide();  // shown once numbered by the load
            TextBox *box = newBox(arrayName(f.name, i), group);
            label->setBuddy(box);
            g->addWidget(label, 0, i);
            g->addWidget(box, 1, i);
            Label_TXP[b][i] = label;
            valueBoxes[b] << box;
        }
    }
}

void AdjustEditorWindow::createSquelchFrame()
{
    Frame_Sql = new QGroupBox(this);
    Frame_Sql->setObjectName(QStringLiteral("Frame_Sql"));
    auto *outer = new QVBoxLayout(Frame_Sql);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(2);
    static const char *const levelLabelNames[] = {"Label_Sql_VHF", "Label_Sql_UHF0", "Label_Sql_UHF1",
                                                  "Label_Sql_UHF2"};
    static const char *const pointLabelNames[] = {"Label_Sq_Offset_Vhf", "Label_Sq_Offset_UHF0",
                                                  "Label_Sq_Offset_UHF1", "Label_Sq_Offset_UHF2"};
    for (int b = 0; b < AdjustBandCount; ++b) {
        auto *group = new QGroupBox(zh(AdjustSquelchGroupCaptions[b]), Frame_Sql);
        group->setObjectName(QStringLiteral("Frame_Sql_%1").arg(QLatin1String(AdjustBandNames[b])));
        outer->addWidget(group);
        QGridLayout *g = tightGrid(group);
        g->addWidget(newLabel(QString(), zh("级别"), group), 0, 0);
        g->addWidget(newLabel(QString(), zh("打开"), group), 1, 0);
        g->addWidget(newLabel(QString(), zh("频点"), group), 2, 0);
        g->addWidget(newLabel(QString(), zh("补偿"), group), 3, 0);
        const AdjustValueFamily &level = AdjustValueFamilies[4 + b];
        const AdjustValueFamily &offset = AdjustValueFamilies[8 + b];
        for (int i = 0; i < AdjustLevels; ++i) {
            QLabel *label = newLabel(arrayName(levelLabelNames[b], i), QStringLiteral("0"), group);
            label->setAlignment(Qt::AlignCenter);
            TextBox *box = newBox(arrayName(level.name, i), group);
            label->setBuddy(box);
            g->addWidget(label, 0, 1 + i);
            g->addWidget(box, 1, 1 + i);
            Label_Sql[b][i] = label;
            valueBoxes[4 + b] << box;
        }
        for (int i = 0; i < AdjustPoints; ++i) {
            QLabel *label = newLabel(arrayName(pointLabelNames[b], i), QStringLiteral("0"), group);
            label->setAlignment(Qt::AlignCenter);
            TextBox *box = newBox(arrayName(offset.name, i), group);
            label->setBuddy(box);
            g->addWidget(label, 2, 1 + i);
            g->addWidget(box, 3, 1 + i);
            Label_Sq_Offset[b][i] = label;
            valueBoxes[8 + b] << box;
        }
    }
}

void AdjustEditorWindow::createDeviationFrame()
{
    Frame_Dev = new QGroupBox(this);
    Frame_Dev->setObjectName(QStringLiteral("Frame_Dev"));
    QGridLayout *g = tightGrid(Frame_Dev);
    g->setVerticalSpacing(3);
    g->setHorizontalSpacing(8);
    // Thirteen lists in two columns; the signalling deviation in a group of its own.
    for (int k = 0; k < AdjustDeviationListCount; ++k) {
        const AdjustListInfo &info = AdjustNumericLists[k];
        auto *list = new PickList(Frame_Dev);
        list->setObjectName(QString::fromLatin1(info.name));
        QLabel *label = newLabel(QString(), zh(info.caption), Frame_Dev);
        label->setBuddy(list);
        numericLists[k] = list;
        if (k == AdjustDeviationListCount - 1) {
            auto *group = new QGroupBox(Frame_Dev);
            group->setObjectName(QStringLiteral("Frame_Tone_Dev"));
            auto *gl = new QHBoxLayout(group);
            label->setParent(group);
            list->setParent(group);
            gl->addWidget(label);
            gl->addWidget(list);
            g->addWidget(group, 7, 0, 1, 4);
            g->setRowStretch(8, 1);
            continue;
        }
        const int row = k % 7;
        const int col = (k / 7) * 2;
        g->addWidget(label, row, col);
        g->addWidget(list, row, col + 1);
    }
}

void AdjustEditorWindow::createRangeFrame()
{
    Frame_Other = new QGroupBox(this);
    Frame_Other->setObjectName(QStringLiteral("Frame_Other"));
    QGridLayout *g = tightGrid(Frame_Other);
    g->setVerticalSpacing(4);
    g->setHorizontalSpacing(8);
    g->addWidget(newLabel(QString(), zh("频段"), Frame_Other), 0, 0);
    g->addWidget(newLabel(QString(), zh("最大工作频率范围(MHZ)"), Frame_Other), 0, 1);
    g->addWidget(newLabel(QString(), zh("限制工作频率范围(MHZ)"), Frame_Other), 0, 2, 1, 4);
    g->addWidget(newLabel(QString(), zh("发射允许 "), Frame_Other), 0, 6);
    for (int b = 0; b < AdjustBandCount; ++b) {
        const QString band = QString::fromLatin1(AdjustBandNames[b]);
        g->addWidget(newLabel(QString(), band, Frame_Other), 1 + b, 0);
        g->addWidget(newLabel(QString(), zh(AdjustRangeBandCaptions[b]), Frame_Other), 1 + b, 1);
        QLabel *from = newLabel(QString(), zh("从"), Frame_Other);
        QLabel *to = newLabel(QString(), zh("到"), Frame_Other);
        Text_Freq_L[b] = newBox(arrayName("Text_Freq_L", b), Frame_Other);
        Text_Freq_H[b] = newBox(arrayName("Text_Freq_H", b), Frame_Other);
        from->setBuddy(Text_Freq_L[b]);
        to->setBuddy(Text_Freq_H[b]);
        Check_Tx[b] = new QCheckBox(Frame_Other);
        Check_Tx[b]->setObjectName(arrayName("Check_Tx", b));
        Check_Tx[b]->setAccessibleName(zh("发射允许 ") + band);
        g->addWidget(from, 1 + b, 2);
        g->addWidget(Text_Freq_L[b], 1 + b, 3);
        g->addWidget(to, 1 + b, 4);
        g->addWidget(Text_Freq_H[b], 1 + b, 5);
        g->addWidget(Check_Tx[b], 1 + b, 6, Qt::AlignCenter);
    }

    auto *passwords = new QGroupBox(zh("读写频密码"), Frame_Other);
    passwords->setObjectName(QStringLiteral("Frame_PassWord"));
    auto *pg = new QGridLayout(passwords);
    Text_user_PassWord = newBox(QStringLiteral("Text_user_PassWord"), passwords);
    Text_Super_PassWord = newBox(QStringLiteral("Text_Super_PassWord"), passwords);
    QLabel *user = newLabel(QString(), zh("用户密码"), passwords);
    QLabel *super = newLabel(QString(), zh("超级密码"), passwords);
    user->setBuddy(Text_user_PassWord);
    super->setBuddy(Text_Super_PassWord);
    pg->addWidget(user, 0, 0);
    pg->addWidget(Text_user_PassWord, 0, 1);
    pg->addWidget(super, 1, 0);
    pg->addWidget(Text_Super_PassWord, 1, 1);
    g->addWidget(passwords, 5, 0, 2, 3);

    const AdjustListInfo &low = AdjustNumericLists[AdjustNumericListCount - 1];
    auto *lowList = new PickList(Frame_Other);
    lowList->setObjectName(QString::fromLatin1(low.name));
    numericLists[AdjustNumericListCount - 1] = lowList;
    QLabel *lowLabel = newLabel(QString(), zh(low.caption), Frame_Other);
    lowLabel->setBuddy(lowList);
    Combo_Range_Type = new PickList(Frame_Other);
    Combo_Range_Type->setObjectName(QStringLiteral("Combo_Range_Type"));
    QLabel *rangeLabel = newLabel(QString(), zh("机型选择"), Frame_Other);
    rangeLabel->setBuddy(Combo_Range_Type);
    Check_Csh_Type = new QCheckBox(Frame_Other);
    Check_Csh_Type->setObjectName(QStringLiteral("Check_Csh_Type"));
    g->addWidget(lowLabel, 5, 3);
    g->addWidget(lowList, 5, 4, 1, 2);
    g->addWidget(rangeLabel, 6, 3);
    g->addWidget(Combo_Range_Type, 6, 4, 1, 3);
    g->addWidget(Check_Csh_Type, 7, 3, 1, 3);
    g->setRowStretch(8, 1);
}

void AdjustEditorWindow::layOut()
{
    // Width and height from the main window's outer size, centred in its
    // client area.
    const QSize main = Windows::mainWindowSize();
    placeCentred(Screen::toTwips(int(main.width() / 1.48)), Screen::toTwips(int(main.height() / 1.2)));
    placeControls();
}

void AdjustEditorWindow::placeControls()
{
    if (!TabStrip1)
        return;
    const int w = width();
    TabStrip1->setGeometry(px(100), px(100), int(w / 1.05), TabStrip1->sizeHint().height());
    const int top = std::max(px(600), TabStrip1->geometry().bottom() + 4);
    // The pages stand in one place, each as tall as the tallest needs, and
    // the bar and the buttons right under them: the window's height follows
    // from what its pages hold, not the other way round.
    QGroupBox *frames[] = {Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other};
    int frameHeight = 0;
    for (QGroupBox *frame : frames)
        frameHeight = std::max(frameHeight, frame->sizeHint().height());
    auto place = [&](QGroupBox *frame, double wd) {
        const QSize hint = frame->minimumSizeHint();
        const int fw = std::min(std::max(int(w / wd), hint.width()), w - 2 * px(300));
        frame->setGeometry(px(300), top, fw, frameHeight);
    };
    place(Frame_Frame, 1.2);
    place(Frame_Sql, 1.1);
    place(Frame_Dev, 1.6);
    place(Frame_Other, 1.4);

    const int barTop = top + frameHeight + px(100);
    const int buttonHeight = px(450);
    const int buttonsTop = barTop + px(450);
    ProgressBar1->setGeometry(px(300), barTop, int(w * 0.55), px(300));
    Label_tr_count->setGeometry(px(300) + int(w * 0.57), barTop, int(w * 0.4), px(300));
    QPushButton *buttons[] = {Command_read, Command_Write, Command_def,
                              Command_open, Command_save, Command_close};
    const int bw = px(1000);
    const int gap = (w - 6 * bw) / 7;
    int left = gap;
    for (QPushButton *b : buttons) {
        b->setGeometry(left, buttonsTop, bw, buttonHeight);
        left += bw + gap;
    }
}

void AdjustEditorWindow::resizeEvent(QResizeEvent *event)
{
    EditorWindow::resizeEvent(event);
    placeControls();
}

void AdjustEditorWindow::InitAdjustForm()
{
    for (int b = 0; b < AdjustBandCount; ++b)
        for (int i = 0; i < AdjustPoints; ++i) {
            Label_TXP[b][i]->setText(AdjustPointLabel(b, i));
            Label_TXP[b][i]->setVisible(true);
            if (AdjustPointMarked(b, i)) {
                TextBox *box = valueBoxes[b][i];
                box->setVisible(true);
                QPalette p = box->palette();
                p.setColor(QPalette::Base, p.color(QPalette::HighlightedText));
                box->setPalette(p);
            }
        }
    for (int i = 0; i < AdjustLevels; ++i)
        Label_Sql[0][i]->setText(AdjustLevelLabel(0, i));
    for (int i = 0; i < AdjustPoints; ++i)
        Label_Sq_Offset[0][i]->setText(AdjustOffsetPointLabel(0, i));
    for (int k = 0; k < AdjustNumericListCount; ++k) {
        numericLists[k]->clearList();
        numericLists[k]->addItems(AdjustNumericEntries(AdjustNumericLists[k].last));
    }
    Combo_Range_Type->clearList();
    for (const char *type : AdjustRangeTypes)
        Combo_Range_Type->addItem(zh(type));
}
