#include "platform/NumberText.h"

#include <cmath>

namespace {

// Expands a C-locale 'g' text with an exponent ("1.5e+20", "1e-07") into
// plain decimal digits.
QString expandExponent(const QString &text)
{
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    QString mantissa = text.left(e);
    const int exponent = text.mid(e + 1).toInt();
    bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = mantissa.size();
    QString digits = mantissa;
    digits.remove(QLatin1Char('.'));
    // The decimal point sits after `point` digits; move it by the exponent.
    qsizetype newPoint = point + exponent;
    QString out;
    if (newPoint <= 0) {
        out = QStringLiteral("0.") + QString(-newPoint, QLatin1Char('0')) + digits;
    } else if (newPoint >= digits.size()) {
        out = digits + QString(newPoint - digits.size(), QLatin1Char('0'));
    } else {
        out = digits.left(newPoint) + QLatin1Char('.') + digits.mid(newPoint);
    }
    if (out.contains(QLatin1Char('.'))) {
        while (out.endsWith(QLatin1Char('0')))
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    return negative ? QLatin1Char('-') + out : out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

} // namespace

QString NumberToText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too
    if (!std::isfinite(value))
        return QString::number(value);
    // QString::number always uses the C locale: '.' whatever the system says.
    return expandExponent(QString::number(value, 'g', 15));
}

double TextToNumber(const QString &text)
{
    QByteArray number;
    number.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isBlank(text.at(i)))
            ++i;
    };
    skip();
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        number.append(text.at(i).toLatin1());
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (;;) {
        skip();
        if (i >= n)
            break;
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number.append(c.toLatin1());
            anyDigit = true;
        } else if (c == QLatin1Char('.') && !point) {
            number.append('.');
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only when digits follow it.
    skip();
    if (i < n) {
        const QChar c = text.at(i).toUpper();
        if (c == QLatin1Char('E') || c == QLatin1Char('D')) {
            qsizetype j = i + 1;
            QByteArray exponent("e");
            while (j < n && isBlank(text.at(j)))
                ++j;
            if (j < n && (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+'))) {
                exponent.append(text.at(j).toLatin1());
                ++j;
            }
            bool expDigit = false;
            for (;;) {
                while (j < n && isBlank(text.at(j)))
                    ++j;
                if (j < n && text.at(j) >= QLatin1Char('0') && text.at(j) <= QLatin1Char('9')) {
                    exponent.append(text.at(j).toLatin1());
                    expDigit = true;
                    ++j;
                } else {
                    break;
                }
            }
            if (expDigit)
                number.append(exponent);
        }
    }
    bool ok = false;
    const double value = QString::fromLatin1(number).toDouble(&ok);
    if (ok)
        return value;
    // Out of range: the digits were a number, only too large or too small.
    const bool negative = number.startsWith('-');
    const qsizetype e = number.indexOf('e');
    if (e >= 0 && number.at(e + 1) == '-')
        return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

QString NumberPrintForm(double value)
{
    if (value < 0)
        return QLatin1Char('-') + NumberToText(-value);
    return QLatin1Char(' ') + NumberToText(value);
}

QStringList SteppedNumberItems(int first, int step, int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(first + step * i);
    return items;
}
