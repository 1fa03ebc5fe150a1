#include "model/DisplayText.h"

#include <QDir>
#include <QStringList>
#include <QStringTokenizer>

namespace {

QString escaped(QChar c)
{
    switch (c.unicode()) {
    case '\t': return QStringLiteral("\\t");
    case '\n': return QStringLiteral("\\n");
    case '\r': return QStringLiteral("\\r");
    case 0: return QStringLiteral("\\0");
    default: break;
    }
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
        c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
        return QStringLiteral("\\x%1").arg(c.unicode(), c.unicode() > 0xFF ? 4 : 2, 16, QLatin1Char('0'));
    return QString(c);
}

// The escaped form of value[from, to).
QString escapedRange(const QString& value, qsizetype from, qsizetype to)
{
    QString out;
    for (qsizetype i = from; i < to; ++i)
        out += escaped(value.at(i));
    return out;
}

// Rows a line takes in a box about 60 Latin characters wide; CJK characters are twice
// as wide.
int boxRows(const QString& line)
{
    constexpr int RowWidth = 60;
    int width = 0;
    for (const QChar c : line)
        width += c.unicode() >= 0x2E80 ? 2 : 1;
    return qMax(1, (width + RowWidth - 1) / RowWidth);
}

} // namespace

QString displayedValue(const QString& value, int maxChars)
{
    const QString ellipsis = QStringLiteral("...");
    const int half = qMax(1, (maxChars - int(ellipsis.size())) / 2);
    // Only the two ends can be shown, so only they are escaped: a value of megabytes costs
    // no more than a short one.
    if (value.size() <= maxChars) {
        const QString whole = escapedRange(value, 0, value.size());
        if (whole.size() <= maxChars)
            return whole;
        return whole.left(half) + ellipsis + whole.right(half);
    }
    const QString head = escapedRange(value, 0, half).left(half);
    const QString tail = escapedRange(value, value.size() - half, value.size()).right(half);
    return head + ellipsis + tail;
}

QString boxedText(const QString& text, int maxLineChars, int maxRows)
{
    QStringList lines;
    int rows = 0;
    for (const QStringView line : QStringTokenizer(text, u'\n')) {
        const QString shown = displayedValue(line.toString(), maxLineChars);
        rows += boxRows(shown);
        if (rows > maxRows) {
            lines << QStringLiteral("...");
            break;
        }
        lines << shown;
    }
    return lines.join(QLatin1Char('\n'));
}

QString displayedPath(const QString& path, int maxChars)
{
    return displayedValue(QDir::toNativeSeparators(path), maxChars);
}
