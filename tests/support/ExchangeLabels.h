#pragma once
// Every text an exchange writes into its window's status label
// (Label_tr_count), in the language shown now, with the widest block
// numbers its progress lines reach; a caption test puts each into the label
// in turn and checks that it is shown whole.
#include <QStringList>
#include <algorithm>

#include "link/LinkSettings.h"

inline QStringList exchangeLabelTexts(const LinkSettings &s)
{
    const LinkTexts &t = s.texts;
    const int lastBlock = std::max(s.readBlocks, 1);
    const int lastRow = std::max(s.writeRows, 1) + s.writeLabelOffset;
    return {t.connecting.text(),
            t.readProgressBefore.text() + QString::number(lastBlock) + t.readProgressAfter.text(),
            t.writeProgressBefore.text() + QString::number(lastRow) + t.writeProgressAfter.text(),
            t.afterReadLabel.text(),
            t.afterWriteLabel.text(),
            t.failureLabel.text()};
}
