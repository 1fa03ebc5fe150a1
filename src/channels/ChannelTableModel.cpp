#include "channels/ChannelTableModel.h"

#include "model/ChoiceTexts.h"

ChannelTableModel::ChannelTableModel(RadioImage& image, QObject* parent)
    : QAbstractTableModel(parent), image_(image), choices_(language_)
{
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        decodeRow(n);
}

void ChannelTableModel::setLanguage(Language language)
{
    if (language == language_)
        return;
    language_ = language;
    choices_ = CellChoices(language);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    refresh();
}

void ChannelTableModel::setVariant(RadioVariant variant)
{
    variant_ = variant;
    refresh();
}

bool ChannelTableModel::isColumnShown(int col) const
{
    return col > GridColumn::Number && col < GridColumn::BusyLock && !isColumnHiddenByVariant(col, variant_);
}

QList<int> ChannelTableModel::shownColumns() const
{
    QList<int> columns;
    for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
        if (isColumnShown(c))
            columns << c;
    return columns;
}

QString ChannelTableModel::text(int channel, int col) const
{
    if (channel < 1 || channel > RadioImage::ChannelCount || col < 0 || col >= GridColumn::Count)
        return {};
    return texts_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(col)];
}

ChannelTexts ChannelTableModel::texts() const
{
    ChannelTexts all = texts_;
    for (int c = 0; c < GridColumn::Count; ++c)
        all[0][static_cast<std::size_t>(c)] = columnTitle(c, language_);
    return all;
}

void ChannelTableModel::decodeRow(int channel)
{
    auto& row = texts_[static_cast<std::size_t>(channel)];
    row[GridColumn::Number] = QString::asprintf("%2d", channel);
    for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
        row[static_cast<std::size_t>(c)] = decodeChannelCell(image_, channel, c, variant_, language_);
}

void ChannelTableModel::rowChanged(int channel)
{
    decodeRow(channel);
    Q_EMIT dataChanged(cellIndex(channel, GridColumn::RxFrequency), cellIndex(channel, GridColumn::Power));
}

void ChannelTableModel::refresh()
{
    marks_.decode(variant_, language_);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        decodeRow(n);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

CommitPlan ChannelTableModel::plan(int channel, int col, const QString& editorText, CommitKind kind) const
{
    CommitInput input;
    input.col = col;
    input.editorText = editorText;
    input.rxText = text(channel, GridColumn::RxFrequency);
    input.txText = text(channel, GridColumn::TxFrequency);
    input.band = band_;
    input.language = language_;
    return planCommit(input, kind);
}

ChannelTableModel::CommitResult ChannelTableModel::commit(int channel, int col, const QString& editorText,
                                                          CommitKind kind)
{
    const CommitPlan planned = plan(channel, col, editorText, kind);
    return {planned.accepted, planned.messageId, writeCells(channel, planned.writes)};
}

bool ChannelTableModel::writeCells(int channel, const std::vector<CellWrite>& writes)
{
    const RadioImage before = image_;
    // A cell that keeps the text it shows keeps its bytes too: an attribute "cleared" on a
    // channel not in use, or a value written over itself, changes nothing unseen.
    const auto shown = texts_[static_cast<std::size_t>(channel)];
    for (const CellWrite& write : writes)
        if (!isColumnHiddenByVariant(write.col, variant_) && write.text != shown[static_cast<std::size_t>(write.col)])
            encodeChannelCell(image_, channel, write.col, write.text);
    if (image_ == before)
        return false;
    rowChanged(channel);
    return true;
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RadioImage::ChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GridColumn::Count - 1;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int channel = channelOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return text(channel, columnOf(index));
    case Qt::AccessibleDescriptionRole:
        //: A channel cell for assistive technology: its column title and channel number.
        return (QStringList(tr("%1, channel %2").arg(columnTitle(columnOf(index), language_)).arg(channel)) +
                markLines(channel, columnOf(index)))
            .join(QStringLiteral("; "));
    case Qt::ToolTipRole: {
        const QStringList lines = markLines(channel, columnOf(index));
        return lines.isEmpty() ? QVariant() : lines.join(QLatin1Char('\n'));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        break;
    }
    const int kind = role - ReferenceTextRole;
    if (kind < 0 || kind >= CellMarks::KindCount)
        return {};
    const std::optional<QString> theirs = markedText(Mark(kind), channel, columnOf(index));
    return theirs ? QVariant(*theirs) : QVariant();
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::asprintf("%2d", section + 1);
    return columnTitle(section + 1, language_);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isEditable() && isColumnShown(columnOf(index)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (role != Qt::EditRole && role != LeaveCommitRole)
        return false;
    const CommitKind kind = role == LeaveCommitRole ? CommitKind::Leave : CommitKind::Enter;
    return commit(channelOf(index), columnOf(index), value.toString(), kind).accepted;
}

void ChannelTableModel::setReference(Mark kind, const RadioImage& image, const QString& label, bool shown)
{
    marks_.set(kind, image, label, shown);
    marksChanged();
}

void ChannelTableModel::clearReference(Mark kind)
{
    marks_.clear(kind);
    marksChanged();
}

void ChannelTableModel::setMarkShown(Mark kind, bool shown)
{
    marks_.setShown(kind, shown);
    marksChanged();
}

void ChannelTableModel::marksChanged()
{
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

std::optional<QString> ChannelTableModel::markedText(Mark kind, int channel, int col) const
{
    if (!isColumnShown(col))
        return std::nullopt;
    return marks_.differingText(kind, channel, col, text(channel, col));
}

QStringList ChannelTableModel::markLines(int channel, int col) const
{
    QStringList lines;
    for (int kind = 0; kind < CellMarks::KindCount; ++kind)
        if (const std::optional<QString> theirs = markedText(Mark(kind), channel, col))
            lines << marks_.describe(Mark(kind), *theirs);
    return lines;
}

ChannelTableModel::MarkCount ChannelTableModel::markCount(Mark kind) const
{
    MarkCount count;
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        int cells = 0;
        for (int c : shownColumns())
            cells += markedText(kind, n, c) ? 1 : 0;
        count.cells += cells;
        count.channels += cells > 0 ? 1 : 0;
    }
    return count;
}

bool ChannelTableModel::copyChannelFrom(const RadioImage& source, int channel)
{
    const RadioImage before = image_;
    image_.copyChannelFrom(source, channel);
    if (image_ == before)
        return false;
    rowChanged(channel);
    return true;
}
