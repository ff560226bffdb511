#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <optional>

namespace {
struct Recorder {
    std::function<MsgResult(const MsgRecord &)> answer;
    QList<MsgRecord> boxes;
};
std::optional<Recorder> recorder;

MsgResult defaultAnswer(MsgButtons b)
{
    return (b == MsgButtons::YesNo || b == MsgButtons::YesNoCancel) ? MsgResult::Yes
                                                                     : MsgResult::Ok;
}
}

void PrepareMsgBox(QMessageBox &box, const MsgRecord &record)
{
    box.setText(record.text);
    box.setWindowTitle(record.title);
    switch (record.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (record.buttons) {
    case MsgButtons::OkOnly: buttons = QMessageBox::Ok; break;
    case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    const struct {
        QMessageBox::StandardButton button;
        BiText caption;
    } captions[] = {{QMessageBox::Ok, OkButtonText},
                    {QMessageBox::Cancel, CancelButtonText},
                    {QMessageBox::Yes, YesButtonText},
                    {QMessageBox::No, NoButtonText}};
    for (const auto &c : captions)
        if (QAbstractButton *b = box.button(c.button))
            b->setText(c.caption.text());
    box.setDefaultButton(buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
}

MsgResult MsgBoxAnswer(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Ok;
    }
}

MsgResult MsgBox(const QString &text, MsgIcon icon, const QString &title, MsgButtons buttons)
{
    const MsgRecord rec{text, title, icon, buttons};
    if (recorder) {
        recorder->boxes.append(rec);
        return recorder->answer ? recorder->answer(rec) : defaultAnswer(buttons);
    }
    QMessageBox box(QApplication::activeWindow());
    PrepareMsgBox(box, rec);
    return MsgBoxAnswer(box.exec());
}

namespace MsgBoxRecorder {
void install(std::function<MsgResult(const MsgRecord &)> answer)
{
    recorder = Recorder{std::move(answer), {}};
}
void uninstall() { recorder.reset(); }
bool installed() { return recorder.has_value(); }
const QList<MsgRecord> &boxes()
{
    static const QList<MsgRecord> none;
    return recorder ? recorder->boxes : none;
}
void clear()
{
    if (recorder)
        recorder->boxes.clear();
}
}
