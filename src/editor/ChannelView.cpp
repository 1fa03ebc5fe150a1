#include "editor/ChannelView.h"

#include "config/AppContext.h"
#include "config/CommandIds.h"
#include "config/ProductSettings.h"
#include "config/StringTable.h"
#include "dialogs/PortSettingDialog.h"
#include "document/ChannelDocument.h"
#include "editor/CellEditors.h"
#include "editor/ChannelGrid.h"
#include "editor/ViewTransfer.h"
#include "model/ChoiceTexts.h"
#include "model/ToneTables.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"
#include "uikit/MessageBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int BaseWidths[GridColumn::Count] = {500, 1200, 1200, 1200, 1200, 1000, 1000, 0, 0};
const QColor FixedTextColour(0, 50, 240);
const QColor TitleColour(250, 10, 10);

QFont titleFont()
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                 QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(12);
    return font;
}

} // namespace

ChannelView::ChannelView(ChannelDocument* document, AppContext& context, QWidget* parent)
    : QWidget(parent), document_(document), context_(context), transfer_(new ViewTransfer(*this)),
      portSetting_(new PortSettingDialog(context, this))
{
    buildForm();
    context_.loadStoredPort();
}

bool ChannelView::openPortSetting(const QString& note)
{
    return (note.isEmpty() ? portSetting_->exec() : portSetting_->execWithNote(note)) == QDialog::Accepted;
}

ChannelView::~ChannelView() = default;

void ChannelView::buildForm()
{
    const QFont formFont = templateFont(9);
    setFont(formFont);
    const DialogUnits dlu(formFont);
    title_ = new QLabel(this);
    setControlId(title_, TitleId);
    title_->setAlignment(Qt::AlignCenter);
    title_->setFont(titleFont());
    QPalette pal = title_->palette();
    pal.setColor(QPalette::WindowText, TitleColour);
    title_->setPalette(pal);
    title_->setGeometry(dlu.toPixels(14, 13, 370, 17));

    grid_ = new ChannelGrid(GridRowCount, GridColumn::Count, this);
    setControlId(grid_, GridId);
    const QRect gridRect = dlu.toPixels(15, 37, 370, 167);
    grid_->setGeometry(gridRect.adjusted(0, 0, 0, qMax(0, grid_->fullHeight() - gridRect.height())));
    // Enter and F1 reach the view also while the grid is disabled.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    grid_->installInputFilter(this);
    connect(grid_, &ChannelGrid::cellEntered, this, &ChannelView::openEditor);
    connect(grid_, &ChannelGrid::pressed, this, &ChannelView::openEditor);
    connect(grid_, &ChannelGrid::cellLeft, this, &ChannelView::leaveCommit);
    setMinimumSize(dlu.toPixelsX(398),
                   qMax(dlu.toPixelsY(218), grid_->geometry().bottom() + dlu.toPixelsY(14)));
}

void ChannelView::initialUpdate()
{
    if (firstInitialisation_)
        setUpGridOnce();
    loadFromImage();
}

void ChannelView::setUpGridOnce()
{
    const Language language = context_.language();
    toneList_ = toneChoices(language);
    grid_->setBackgroundColour(Qt::white);
    editors_ = std::make_unique<CellEditors>(grid_->viewport(), toneList_, language);
    for (QWidget* editor : editors_->all()) {
        editor->installEventFilter(this);
        if (auto* list = qobject_cast<QComboBox*>(editor))
            list->view()->installEventFilter(this);
    }
    for (int c = 0; c < GridColumn::Count; ++c)
        grid_->setText(0, c, columnTitle(c, language));
    grid_->setTitleColour(FixedTextColour);
    title_->setText(context_.config().value(byLanguage(language, "English", "Chinese"),
                                            QStringLiteral("Title"), QString()));
    for (int r = 1; r < GridRowCount; ++r)
        grid_->setText(r, 0, QString::asprintf("%2d", r));
    for (int c = 0; c < GridColumn::Count; ++c)
        grid_->setColumnCentred(c, true);
    for (int c : {GridColumn::BusyLock, GridColumn::Power}) {
        grid_->setColumnWidthTwips(c, 0);
        grid_->setColumnCentred(c, false);
    }
    firstInitialisation_ = false;
}

void ChannelView::applyColumnLayout()
{
    int widths[GridColumn::Count];
    std::copy(std::begin(BaseWidths), std::end(BaseWidths), widths);
    const RadioVariant variant = context_.radioVariant();
    if (variant == RadioVariant::ReceiveOnly) {
        widths[GridColumn::TxFrequency] = 0;
        widths[GridColumn::EncodeTone] = 0;
    } else if (variant == RadioVariant::TransmitOnly) {
        widths[GridColumn::RxFrequency] = 0;
        widths[GridColumn::DecodeTone] = 0;
        widths[GridColumn::Scan] = 0;
    }
    grid_->setEnabled(variant != RadioVariant::Other);
    for (int c = 0; c < GridColumn::Count; ++c) {
        grid_->setColumnWidthTwips(c, widths[c]);
        grid_->setColumnCentred(c, widths[c] != 0);
    }
}

bool ChannelView::isColumnHiddenByVariant(int col) const
{
    return col < GridColumn::BusyLock && grid_->columnWidthTwips(col) == 0;
}

void ChannelView::loadFromImage()
{
    applyColumnLayout();
    ChannelTexts cells;
    decodeChannels(document_->image(), context_.radioVariant(), context_.language(), cells);
    writeCells(cells);
    updateProductAndCaption();
}

void ChannelView::writeCells(ChannelTexts& cells)
{
    for (int r = 1; r < GridRowCount; ++r)
        for (int c = 1; c < GridColumn::Count; ++c)
            grid_->setText(r, c, cells[r][c]);
}

void ChannelView::updateProductAndCaption()
{
    RadioImage& image = document_->image();
    exchangeProductWithSettings(image, context_.isNewDocument(), *context_.settingsKey());
    const int type = image[RadioImage::ProductType];
    const QString typeName = context_.setupValue(typeKey(type));
    const QString bandText = bandTextAt(context_.setupValue(fieldKey(type)), image[RadioImage::ProductBand]);
    context_.setCaption(captionString(context_.languageValue(QStringLiteral("AppName")), typeName, bandText,
                                      context_.language()));
    setBand(bandLimitsFromText(bandText));
    Q_EMIT captionChanged(context_.caption());
}

ChannelTexts ChannelView::cellTexts() const
{
    ChannelTexts cells;
    for (int r = 0; r < GridRowCount; ++r)
        for (int c = 0; c < GridColumn::Count; ++c)
            cells[r][c] = grid_->text(r, c);
    return cells;
}

void ChannelView::storeToImage()
{
    editors_->hideAll();
    ChannelTexts cells = cellTexts();
    encodeChannels(cells, context_.radioVariant(), document_->image());
    writeCells(cells); // the hidden columns were blanked in the cells
}

void ChannelView::commitGridToImage()
{
    leaveCommit();
    storeToImage();
}

void ChannelView::openEditor()
{
    if (!editors_)
        return;
    const int col = grid_->currentColumn();
    editors_->load(col, grid_->currentText());
    placeEditor();
}

void ChannelView::placeEditor()
{
    // Columns that the radio type hides stay closed: an invisible editor there would
    // commit an empty frequency and clear the channel.
    if (!grid_->isEnabled() || isColumnHiddenByVariant(grid_->currentColumn()))
        return;
    const int col = grid_->currentColumn();
    QWidget* editor = editors_->editorOf(col);
    const QRect cell = grid_->currentCellTwips();
    const int left = grid_->pixelsFromTwipsX(cell.left()) - ChannelGrid::EdgeAllowance;
    const int top = grid_->pixelsFromTwipsY(cell.top()) - ChannelGrid::EdgeAllowance;
    const int width = grid_->pixelsFromTwipsX(cell.width());
    const int height = grid_->pixelsFromTwipsY(cell.height());
    if (QComboBox* list = editors_->listOf(col)) {
        // The opened list reaches DropDownHeight pixels below the cell.
        const int rowHeight = qMax(1, list->view()->sizeHintForRow(0));
        list->setMaxVisibleItems(qMax(1, CellEditors::DropDownHeight / rowHeight));
    } else {
        editors_->load(col, grid_->currentText());
    }
    editor->setGeometry(left, top, width, height);
    editor->show();
    editor->setFocus();
    grid_->viewport()->update();
}

void ChannelView::leaveCommit()
{
    if (editors_ && editors_->isOpen(grid_->currentColumn()))
        commit(CommitKind::Leave);
}

bool ChannelView::enterCommit()
{
    return commit(CommitKind::Enter);
}

bool ChannelView::commit(CommitKind kind)
{
    const int row = grid_->currentRow();
    const int col = grid_->currentColumn();
    CommitInput input;
    input.col = col;
    input.editorText = editors_->textOf(col);
    input.rxText = grid_->text(row, GridColumn::RxFrequency);
    input.txText = grid_->text(row, GridColumn::TxFrequency);
    input.band = band();
    input.language = context_.language();
    const CommitPlan plan = planCommit(input, kind);
    // Hidden before the box, so a focus change while it shows cannot commit again.
    grid_->setFocus();
    editors_->editorOf(col)->hide();
    if (plan.messageId != 0)
        showMessageBox({this, stringTableText(plan.messageId), stringTableText(MessageId::Caution),
                        QMessageBox::Ok, QMessageBox::Warning});
    bool changed = false;
    for (const CellWrite& write : plan.writes) {
        changed = changed || grid_->text(row, write.col) != write.text;
        grid_->setText(row, write.col, write.text);
    }
    if (changed)
        document_->setModified(true);
    return plan.accepted;
}

void ChannelView::moveToNextCell()
{
    int row = grid_->currentRow();
    int col = grid_->currentColumn();
    if (col < grid_->columnCount() - 1) {
        ++col;
    } else if (row < grid_->rowCount() - 1) {
        col = 1;
        ++row;
    } else {
        row = 1;
        col = 1;
    }
    grid_->setCurrentCell(row, col);
}

bool ChannelView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // F1 belongs to the view's own help before the window's Help command.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            key->accept();
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        requestHelp(focusedControlId(this, GridId));
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    // In an opened drop-down, Enter first picks the entry.
    const bool inPopup = qobject_cast<QAbstractItemView*>(watched) != nullptr;
    if (!enter || inPopup)
        return QWidget::eventFilter(watched, event);
    if (editors_ && editors_->isOpen(grid_->currentColumn()) && !enterCommit())
        return true;
    moveToNextCell();
    return true;
}
