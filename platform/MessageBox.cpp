#include "platform/MessageBox.h"

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

MsgResult MsgBox(const QString &text, MsgIcon icon, const QString &title, MsgButtons buttons)
{
    if (recorder) {
        MsgRecord rec{text, title, icon, buttons};
        recorder->boxes.append(rec);
        return recorder->answer ? recorder->answer(rec) : defaultAnswer(buttons);
    }
    QMessageBox box(QApplication::activeWindow());
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::OkOnly: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Ok;
    }
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
