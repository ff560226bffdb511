#pragma once
// Every message box of the system goes through MsgBox. In the program it is a
// modal QMessageBox; a test installs a recorder that notes each box and
// answers it at once, so the test can assert the exact text and title.
#include <QString>
#include <QList>
#include <functional>

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MsgRecord {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

MsgResult MsgBox(const QString &text, MsgIcon icon, const QString &title,
                 MsgButtons buttons = MsgButtons::OkOnly);

// Test hook: while installed, MsgBox records the box, calls the answerer (if
// any) and returns its answer (Ok or Yes when none) without showing anything.
namespace MsgBoxRecorder {
void install(std::function<MsgResult(const MsgRecord &)> answer = {});
void uninstall();
bool installed();
const QList<MsgRecord> &boxes();
void clear();
}
