#include "platform/NumberFile.h"
#include "platform/NumberText.h"

#include <cmath>

namespace {
// Bytes taken from the device at a time.
constexpr qint64 ChunkSize = 64 * 1024;
// A longer token is no number of these files; reading stops there.
constexpr qsizetype MaxTokenLength = 64;
}

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

NumberFileReader::NumberFileReader(QIODevice *device) : m_device(device) {}

NumberFileReader::NumberFileReader(const QByteArray &contents) : m_data(contents) {}

namespace {
bool isSeparator(int c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

bool isBlankOrBreak(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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

int NumberFileReader::peek()
{
    if (m_pos < m_data.size())
        return static_cast<unsigned char>(m_data[m_pos]);
    if (!m_device || m_error == Error::ReadFailed)
        return -1;
    m_data.resize(ChunkSize);
    const qint64 got = m_device->read(m_data.data(), ChunkSize);
    m_data.resize(qMax<qint64>(got, 0));
    m_pos = 0;
    if (got <= 0) {
        // 0 at the end of the data, -1 when the device failed.
        if (got < 0)
            m_error = Error::ReadFailed;
        return -1;
    }
    return static_cast<unsigned char>(m_data[m_pos]);
}

void NumberFileReader::pass(int c)
{
    // A line ends at CR LF, LF or a CR alone; a CR is known to stand alone
    // only once the byte after it is seen.
    if ((m_afterCR && c != '\n') || c == '\n')
        ++m_line;
    m_afterCR = c == '\r';
    ++m_pos;
}

void NumberFileReader::skipSeparators()
{
    for (int c = peek(); isSeparator(c); c = peek())
        pass(c);
}

bool NumberFileReader::skipBlanksAndBreaks()
{
    for (int c = peek(); isBlankOrBreak(c); c = peek())
        pass(c);
    return peek() < 0;
}

bool NumberFileReader::atEnd()
{
    skipSeparators();
    return peek() < 0;
}

bool NumberFileReader::finish()
{
    if (m_error != Error::None)
        return false;
    for (int c = peek(); c == ' ' || c == '\t'; c = peek())
        pass(c);
    if (peek() == ',')
        pass(',');
    if (skipBlanksAndBreaks() || m_error != Error::None)
        return m_error == Error::None;
    m_error = Error::TrailingContent;
    m_badToken.clear();
    for (int c = peek(); c >= 0 && !isSeparator(c) && m_badToken.size() < 40; c = peek()) {
        m_badToken += char(c);
        pass(c);
    }
    return false;
}

std::optional<double> NumberFileReader::next()
{
    if (m_error != Error::None)
        return std::nullopt;
    skipSeparators();
    if (peek() < 0) {
        if (m_error == Error::None)
            m_error = Error::EndOfFile;
        return std::nullopt;
    }
    QByteArray token;
    for (int c = peek(); c >= 0 && !isSeparator(c); c = peek()) {
        if (token.size() == MaxTokenLength)
            break;  // far too long for a number: refused below without reading on
        token += char(c);
        pass(c);
    }
    if (m_error != Error::None)
        return std::nullopt;
    double value = 0;
    const int after = peek();
    if ((after >= 0 && !isSeparator(after)) || !parseToken(token, value)) {
        m_error = m_error == Error::None ? Error::NotANumber : m_error;
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
    case Error::TrailingContent:
        return QStringLiteral("line %1: \"%2\" follows the last number")
            .arg(m_line)
            .arg(QString::fromLatin1(m_badToken));
    case Error::ReadFailed:
        return QStringLiteral("the file could not be read after %1 numbers: %2")
            .arg(m_count)
            .arg(m_device ? m_device->errorString() : QString());
    }
    return QString();
}
