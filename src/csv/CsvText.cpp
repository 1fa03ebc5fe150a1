#include "csv/CsvText.h"

namespace {

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

// Walks the text once, character by character, collecting fields and records.
class CsvReader {
public:
    explicit CsvReader(const QString& text) : text_(text) {}

    CsvParse run()
    {
        while (pos_ < text_.size())
            readRecord();
        return std::move(result_);
    }

private:
    QChar peek(qsizetype ahead = 0) const
    {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : QChar();
    }

    bool atLineEnd() const { return peek() == u'\r' || peek() == u'\n'; }

    void skipLineEnd()
    {
        if (peek() == u'\r' && peek(1) == u'\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    void readRecord()
    {
        CsvRecord record;
        record.line = line_;
        for (;;) {
            record.fields << (peek() == u'"' ? readQuoted() : readPlain());
            if (peek() == u',') {
                ++pos_;
                continue;
            }
            break;
        }
        if (atLineEnd())
            skipLineEnd();
        result_.records.push_back(std::move(record));
    }

    QString readPlain()
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && peek() != u',' && !atLineEnd())
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    // Characters after the closing quote, up to the next separator, are kept as written.
    QString readQuoted()
    {
        const int startLine = line_;
        ++pos_;
        QString field;
        for (;;) {
            if (pos_ >= text_.size()) {
                if (result_.unclosedQuoteLine == 0)
                    result_.unclosedQuoteLine = startLine;
                return field;
            }
            const QChar c = peek();
            if (c == u'"' && peek(1) == u'"') {
                field += c;
                pos_ += 2;
            } else if (c == u'"') {
                ++pos_;
                return field + readPlain();
            } else {
                if (c == u'\n' || (c == u'\r' && peek(1) != u'\n'))
                    ++line_;
                field += c;
                ++pos_;
            }
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    CsvParse result_;
};

bool needsQuotes(const QString& field)
{
    if (field.isEmpty())
        return false;
    return field.contains(u',') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n') ||
           field.front().isSpace() || field.back().isSpace();
}

} // namespace

CsvParse parseCsv(const QByteArray& bytes)
{
    const QByteArray body = bytes.startsWith(Utf8ByteOrderMark) ? bytes.mid(Utf8ByteOrderMark.size()) : bytes;
    const QString text = QString::fromUtf8(body);
    return CsvReader(text).run();
}

QByteArray csvRecordLine(const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& field : fields) {
        if (needsQuotes(field))
            written << QLatin1Char('"') + QString(field).replace(u'"', QStringLiteral("\"\"")) +
                           QLatin1Char('"');
        else
            written << field;
    }
    return written.join(QLatin1Char(',')).toUtf8() + "\r\n";
}
