#pragma once
// Sequential number files (".dat", ".adj", ".sig"): a writer that puts each
// number in print form followed by one blank, lines ended by CR LF, and a
// reader that takes the numbers back in sequence whatever the line breaks.
#include <QIODevice>
#include <QByteArray>
#include <QString>
#include <optional>

class NumberFileWriter {
public:
    // The device must be open for writing; the writer does not own it.
    explicit NumberFileWriter(QIODevice *device);

    // " 12 " for 12, "-3 " for -3.
    void writeNumber(double value);
    // Ends the current line with CR LF.
    void endLine();
    // False once any write to the device has failed.
    bool ok() const { return m_ok; }

private:
    void put(const QByteArray &bytes);
    QIODevice *m_device;
    bool m_ok = true;
};

class NumberFileReader {
public:
    enum class Error { None, NotANumber, NotAnInteger, EndOfFile, TrailingContent, ReadFailed };

    // Reads the device (open for reading) a piece at a time, only as far as
    // the numbers asked for need: a huge file is never held whole. The device
    // must outlive the reader.
    explicit NumberFileReader(QIODevice *device);
    explicit NumberFileReader(const QByteArray &contents);

    // The next number; separators are blanks, tabs, commas and line ends, any
    // run of them counting as one. A token that is not wholly a number
    // ("1a2", "x") or the end of the data gives nothing and sets error().
    std::optional<double> next();
    // As next(), but the number must also be whole (NotAnInteger otherwise).
    std::optional<qint64> nextInteger();

    // True when nothing but separators is left.
    bool atEnd();

    // After the last number the file should hold: true when only blanks, tabs
    // and line breaks follow (after the one comma that may end the last
    // number). Otherwise sets TrailingContent with line() the line of the
    // first other character, and reads nothing beyond it.
    bool finish();

    Error error() const { return m_error; }
    // A readable description of the last error: what went wrong and where.
    QString errorString() const;
    // 1-based line of the last token read (or of the failure).
    int line() const { return m_line; }
    // Count of numbers read successfully so far.
    int count() const { return m_count; }

private:
    // The byte at the read position, or -1 at the end of the data (or when
    // the device failed: ReadFailed).
    int peek();
    // Steps over the byte c at the read position, counting the lines.
    void pass(int c);
    void skipSeparators();
    bool skipBlanksAndBreaks();
    QIODevice *m_device = nullptr;
    QByteArray m_data;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_afterCR = false;
    int m_count = 0;
    Error m_error = Error::None;
    QByteArray m_badToken;
};
