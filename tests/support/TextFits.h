#pragma once
// Whether every caption a person can see shows its whole text: labels, check
// and option boxes, buttons, frame titles, tabs and the items of closed lists
// that are shown and have a text wider (or taller) than the room their widget
// gives it (or a tab outside its strip) are listed, so a window test can name
// every cut caption at once.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>

namespace textfits {

inline QString plain(QString t)
{
    t.remove(QLatin1Char('&'));
    return t;
}

inline QString describe(const QWidget *w, const QString &text, int need, int room)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
        .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(),
             text)
        .arg(need)
        .arg(room);
}

// One widget's cut, or an empty string when its text fits.
inline QString cutOf(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
            return {};
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            // Every word fits a line, and the lines fit the height.
            const QString text = plain(l->text());
            for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (fm.horizontalAdvance(word) > room.width())
                    return describe(w, word, fm.horizontalAdvance(word), room.width());
            const int need = fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).height();
            return need > room.height() ? describe(w, text, need, room.height()) : QString();
        }
        int width = 0;
        const QStringList lines = l->text().split(QLatin1Char('\n'));
        for (const QString &line : lines)
            width = std::max(width, fm.horizontalAdvance(plain(line)));
        if (width > room.width())
            return describe(w, l->text(), width, room.width());
        const int height = fm.height() * int(lines.size());
        if (height > room.height() + 2)
            return describe(w, l->text(), height, room.height());
        return {};
    }
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)) {
        // The text has the room beside the indicator.
        auto *b = static_cast<const QAbstractButton *>(w);
        if (b->text().isEmpty())
            return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const bool check = qobject_cast<const QCheckBox *>(w);
        const QRect room = b->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &opt, b);
        const int need = fm.horizontalAdvance(plain(b->text()));
        return need > room.width() ? describe(w, b->text(), need, room.width()) : QString();
    }
    if (auto *b = qobject_cast<const QPushButton *>(w)) {
        if (b->text().isEmpty())
            return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        const int need = fm.horizontalAdvance(plain(b->text()));
        return need > room.width() ? describe(w, b->text(), need, room.width()) : QString();
    }
    if (auto *c = qobject_cast<const QComboBox *>(w)) {
        // A closed list shows whichever item is picked: each must fit.
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        const QRect room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        for (int i = 0; i < c->count(); ++i)
            if (const int need = fm.horizontalAdvance(c->itemText(i)); need > room.width())
                return describe(w, c->itemText(i), need, room.width());
        return {};
    }
    if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        // The title stands inside the frame's width, after its indent.
        if (g->title().isEmpty())
            return {};
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect frame = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, g);
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        const int need = label.left() + fm.horizontalAdvance(plain(g->title()));
        return need > frame.right() ? describe(w, g->title(), need, frame.right()) : QString();
    }
    if (auto *bar = qobject_cast<const QTabBar *>(w)) {
        // Each tab's text, whole and inside the strip.
        for (int i = 0; i < bar->count(); ++i) {
            const QRect r = bar->tabRect(i);
            const int need = fm.horizontalAdvance(plain(bar->tabText(i)));
            if (!bar->rect().contains(r) || r.width() < need)
                return describe(w, bar->tabText(i), need, r.width());
        }
        return {};
    }
    return {};
}

// Every cut caption among the visible widgets under root.
inline QStringList cutCaptions(const QWidget *root)
{
    QStringList cuts;
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QString cut = cutOf(w);
        // A caption is also cut by the frame it stands in.
        const QWidget *p = w->parentWidget();
        if (cut.isEmpty() && p && w != root && !p->rect().contains(w->geometry())
            && (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)))
            cut = QStringLiteral("%1 reaches out of %2").arg(w->objectName(), p->objectName());
        if (!cut.isEmpty())
            cuts << cut;
    }
    return cuts;
}

}  // namespace textfits
