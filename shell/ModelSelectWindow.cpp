#include "shell/ModelSelectWindow.h"

#include "memory/BandTable.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/Screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr BiText WindowCaption{"Model Select", "机型选择"};
constexpr BiText ModelCaption{"Model", "机  型"};
constexpr BiText BandCaption{"Band", "频  段"};
constexpr BiText ConfirmCaption{"Confirm", "确 定"};
constexpr BiText CancelCaption{"Cancel", "取 消"};

bool isListLine(int line) { return line >= 0 && line < ModelTypeLines; }
}

QString BandRangeText(int row)
{
    if (row < 0 || row >= BandTableRows)
        return QString();
    return QLatin1Char(' ') + NumberPrintForm(BandTable[row][0]) + QStringLiteral(" -- ") +
           NumberPrintForm(BandTable[row][1]);
}

ModelSelectWindow::ModelSelectWindow(QWidget *parent) : Form(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("机型选择"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(QStringLiteral("机  型："), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo_type = new QComboBox(Frame1);
    Combo_type->setObjectName(QStringLiteral("Combo_type"));
    Combo_type->setEditable(true);
    Combo_type->setInsertPolicy(QComboBox::NoInsert);
    Combo_type->setCompleter(nullptr);
    Label1->setBuddy(Combo_type);
    Label2 = new QLabel(QStringLiteral("频  段："), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label_band = new QLabel(Frame1);
    Label_band->setObjectName(QStringLiteral("Label_band"));
    Command_enter = new QPushButton(QStringLiteral("确 定"), this);
    Command_enter->setObjectName(QStringLiteral("Command_enter"));
    Command_Cancel = new QPushButton(QStringLiteral("取 消"), this);
    Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));

    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo_type, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Label_band, 1, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command_enter);
    buttons->addWidget(Command_Cancel);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);

    connect(Combo_type, &QComboBox::activated, this, &ModelSelectWindow::Combo_type_Click);
    // Only the user's typing counts as a change, not the text a pick puts there.
    connect(Combo_type->lineEdit(), &QLineEdit::textEdited, this,
            &ModelSelectWindow::Combo_type_Change);
    connect(Command_enter, &QPushButton::clicked, this, &ModelSelectWindow::Command_enter_Click);
    connect(Command_Cancel, &QPushButton::clicked, this,
            &ModelSelectWindow::Command_Cancel_Click);
}

void ModelSelectWindow::writeCaptions()
{
    setWindowTitle(WindowCaption);
    Label1->setText(ModelCaption);
    Label2->setText(BandCaption);
    Command_enter->setText(ConfirmCaption);
    Command_Cancel->setText(CancelCaption);
}

void ModelSelectWindow::formLoad()
{
    writeCaptions();

    const QSize client = Windows::clientSize();
    const double clientWidth = Screen::toTwips(client.width());
    const double clientHeight = Screen::toTwips(client.height());
    const double width = clientWidth / 3;
    const double height = clientHeight / 3;
    const double left = (clientWidth - width) / 2;
    const double top = (clientHeight - height) / 2 - 500;
    resize(Screen::toPixels(width), Screen::toPixels(height));
    move(Screen::toPixels(left), Screen::toPixels(top));

    Combo_type->clear();
    for (int line = 0; line < ModelTypeLines; ++line)
        Combo_type->addItem(BandRangeNames[line]);

    // BandTableRow only ever holds a line of this list; anything else leaves
    // the list without a pick and the band limits alone.
    const int row = BandTableRow;
    if (!isListLine(row)) {
        Combo_type->setCurrentIndex(-1);
        return;
    }
    Combo_type->setCurrentIndex(row);
    showRow(row);
    BandLimits[0].lower = BandTable[row][0];
    BandLimits[0].upper = BandTable[row][1];
}

void ModelSelectWindow::showRow(int line)
{
    Label_band->setText(BandRangeText(line));
    m_lastPick = Combo_type->itemText(line);
}

void ModelSelectWindow::Combo_type_Click(int line)
{
    if (isListLine(line))
        showRow(line);
}

void ModelSelectWindow::Combo_type_Change()
{
    Combo_type->setFocus();
    Combo_type->setEditText(m_lastPick);
}

void ModelSelectWindow::Command_enter_Click()
{
    const int row = Combo_type->currentIndex();
    if (isListLine(row)) {
        BandLimits[0].lower = BandTable[row][0];
        BandLimits[0].upper = BandTable[row][1];
        BandTableRow = qint16(row);
    }
    Windows::unload(objectName());
}

void ModelSelectWindow::Command_Cancel_Click() { Windows::unload(objectName()); }
