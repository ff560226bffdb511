#include "channels/FmCellRules.h"

#include "channels/FmRecord.h"
#include "memory/CharacterCodec.h"
#include "platform/ByteCodec.h"
#include "platform/NumberText.h"

double FmTypedValue(const QString &typed)
{
    QString text = typed;
    if (!text.contains(QLatin1Char('.'))) {
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (comma >= 0)
            text[comma] = QLatin1Char('.');
    }
    return TextToNumber(text);
}

FmFrequencyCommit FmFrequencyCommitOf(const QString &typed)
{
    FmFrequencyCommit c;
    if (TrimSpaces(typed).isEmpty()) {
        c.outcome = FmFrequencyCommit::Emptied;
        return c;
    }
    const double v = FmTypedValue(typed);
    if (v >= FmGrid::BandLow && v <= FmGrid::BandHigh) {
        c.outcome = FmFrequencyCommit::Accepted;
        c.mhz = v;
    } else {
        c.outcome = FmFrequencyCommit::OutOfRange;
        c.mhz = FmGrid::BandLow;
    }
    return c;
}

FmNameCommit FmNameCommitOf(const QString &typed, bool rowHasFrequency)
{
    FmNameCommit c;
    QString kept = TrimSpaces(typed);
    // What lies beyond the sixth character is cut before it is looked at.
    if (kept.size() > FmGrid::NameLength) {
        c.tooLong = true;
        kept = TrimSpaces(kept.left(FmGrid::NameLength));
    }
    QString name;
    for (QChar ch : kept) {
        if (!FmNameCharacter(ch)) {
            c.refused = true;
            c.tooLong = false;
            return c;
        }
        const QChar upper = ch.toUpper();
        name += charToByte(upper) ? upper : ch;
    }
    c.name = rowHasFrequency ? name : QString();
    return c;
}
