#include "channels/ChannelFrequencyText.h"

#include "memory/BandTable.h"
#include "memory/FrequencyCodec.h"
#include "memory/MemoryImage.h"
#include "platform/NumberText.h"

#include <QRegularExpression>

bool IsBlankText(const QString &text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

QString TypedFrequencyText(const QString &typed)
{
    QString text = typed;
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

bool FrequencyTextAccepted(const QString &text)
{
    // The number as TextToNumber reads it, blanks skipped, must be the whole text.
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    if (!wholeNumber.match(compact).hasMatch())
        return false;
    return FrequencyAccepted(TextToNumber(compact));
}

bool FrequencyAccepted(double mhz)
{
    return mhz >= 0.0 && mhz < 1000.0 && CheckBandFrequency(mhz) == 0;
}

QString SubstituteFrequencyText()
{
    const double lower = BandLimits[0].lower;
    return PadFrequencyText(NumberToText(lower), lower >= 100 ? 9 : 8);
}

QString CompletedFrequencyText(const QString &typed)
{
    const QString cut = typed.left(9);
    return PadFrequencyText(cut, TextToNumber(cut) >= 100 ? 9 : 8);
}
