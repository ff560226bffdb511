#include "platform/NumberFile.h"
#include "platform/NumberText.h"

#include <cmath>

NumberFileWriter::NumberFileWriter(QIODevice *device) : m_device(device) {}

void NumberFileWriter::put(const QByteArray &bytes)
{
    if (!m_device || m_device->write(bytes) != bytes.size())
        m_ok = false;
}

void NumberFileWriter::writeNumber(double value)
{
    put(NumberPrintForm(value).toLatin1() + ' ');
}

void NumberFileWriter::endLine()
{
    put(QByteArrayLiteral("\r\n"));
}

NumberFileReader::NumberFileReader(QIODevice *device)
    : m_data(device ? device->readAll() : QByteArray())
{
}

NumberFileReader::NumberFileReader(const QByteArray &contents) : m_data(contents) {}

namespace {
bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// A whole token that is a decimal number: sign, digits with at most one point
// (at least one digit), an optional exponent with digits.
bool parseToken(const QByteArray &token, double &value)
{
    qsizetype i = 0;
    const qsizetype n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-'))
        ++i;
    bool digit = false, point = false;
    for (; i < n; ++i) {
        const char c = token[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digit)
        return false;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-'))
            ++i;
        bool expDigit = false;
        for (; i < n && token[i] >= '0' && token[i] <= '9'; ++i)
            expDigit = true;
        if (!expDigit)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    value = QString::fromLatin1(token).toDouble(&ok);
    return ok && std::isfinite(value);
}
} // namespace

void NumberFileReader::skipSeparators()
{
    while (m_pos < m_data.size() && isSeparator(m_data[m_pos])) {
        if (m_data[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
}

bool NumberFileReader::atEnd()
{
    skipSeparators();
    return m_pos >= m_data.size();
}

std::optional<double> NumberFileReader::next()
{
    if (m_error != Error::None)
        return std::nullopt;
    skipSeparators();
    if (m_pos >= m_data.size()) {
        m_error = Error::EndOfFile;
        return std::nullopt;
    }
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && !isSeparator(m_data[m_pos]))
        ++m_pos;
    const QByteArray token = m_data.mid(start, m_pos - start);
    double value = 0;
    if (!parseToken(token, value)) {
        m_error = Error::NotANumber;
        m_badToken = token;
        return std::nullopt;
    }
    ++m_count;
    return value;
}

std::optional<qint64> NumberFileReader::nextInteger()
{
    const std::optional<double> value = next();
    if (!value)
        return std::nullopt;
    if (std::floor(*value) != *value || std::fabs(*value) > 9.0e15) {
        --m_count;
        m_error = Error::NotAnInteger;
        m_badToken = NumberToText(*value).toLatin1();
        return std::nullopt;
    }
    return static_cast<qint64>(*value);
}

QString NumberFileReader::errorString() const
{
    switch (m_error) {
    case Error::None:
        return QString();
    case Error::NotANumber:
        return QStringLiteral("line %1: \"%2\" is not a number")
            .arg(m_line)
            .arg(QString::fromLatin1(m_badToken.left(40)));
    case Error::NotAnInteger:
        return QStringLiteral("line %1: %2 is not a whole number")
            .arg(m_line)
            .arg(QString::fromLatin1(m_badToken));
    case Error::EndOfFile:
        return QStringLiteral("the file ends after %1 numbers").arg(m_count);
    }
    return QString();
}
