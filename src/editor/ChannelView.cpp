#include "editor/ChannelView.h"

#include "config/CommandIds.h"
#include "config/ProductSettings.h"
#include "config/StringTable.h"
#include "dialogs/PortSettingDialog.h"
#include "channels/ChannelTableModel.h"
#include "document/ChannelDocument.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelMenus.h"
#include "editor/GridClipboard.h"
#include "editor/GridOperations.h"
#include "editor/ViewTransfer.h"
#include "model/ChoiceTexts.h"
#include "session/AppContext.h"
#include "uikit/Contrast.h"
#include "uikit/DialogUnits.h"
#include "uikit/FontFamilies.h"
#include "uikit/HelpRequest.h"
#include "uikit/UiHooks.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>
#include <algorithm>

namespace {

constexpr int BaseWidths[GridColumn::Count] = {500, 1200, 1200, 1200, 1200, 1000, 1000, 0, 0};
const QColor FixedTextColour(0, 50, 240);
const QColor TitleColour(250, 10, 10);
// Steps kept for undo; older ones fall off.
constexpr int UndoLimit = 200;

QFont titleFont(Language language)
{
    QStringList families{QStringLiteral("宋体"), QStringLiteral("SimSun")};
    // Where no SimSun is installed, a Chinese title needs a CJK face; an English one takes
    // the default face and leaves the large CJK font unloaded.
    if (language == Language::Chinese)
        families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC");
    QFont font;
    font.setFamilies(installedFamilies(families));
    font.setPointSize(12);
    return font;
}

bool isPrintableKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !(key.modifiers() & commands) && !key.text().isEmpty() && key.text().at(0).isPrint();
}

} // namespace

ChannelView::ChannelView(ChannelDocument* document, AppContext& context, QWidget* parent)
    : QWidget(parent), document_(document), context_(context), transfer_(new ViewTransfer(*this)),
      undoStack_(new QUndoStack(this))
{
    model().setLanguage(context_.language());
    buildForm();
    context_.loadStoredPort();
    undoStack_->setUndoLimit(UndoLimit);
    // The modified mark follows the stack: undoing back to the saved state clears it.
    connect(undoStack_, &QUndoStack::cleanChanged, document_,
            [this](bool clean) { document_->setModified(!clean); });
    connect(document_, &ChannelDocument::modifiedChanged, undoStack_, [this](bool modified) {
        if (!modified)
            undoStack_->setClean();
    });
}

PortSettingDialog& ChannelView::portSetting()
{
    if (!portSetting_)
        portSetting_ = new PortSettingDialog(context_, this);
    return *portSetting_;
}

bool ChannelView::openPortSetting(const QString& note)
{
    return (note.isEmpty() ? portSetting().exec() : portSetting().execWithNote(note)) == QDialog::Accepted;
}

ChannelView::~ChannelView() = default;

ChannelTableModel& ChannelView::model() const
{
    return document_->channels();
}

const QStringList& ChannelView::toneList() const
{
    return model().choices().of(GridColumn::DecodeTone);
}

void ChannelView::buildForm()
{
    const QFont formFont = templateFont(9);
    setFont(formFont);
    const DialogUnits dlu(formFont);
    const Language language = context_.language();
    title_ = new QLabel(this);
    setControlId(title_, TitleId);
    title_->setAlignment(Qt::AlignCenter);
    title_->setFont(titleFont(language));
    title_->setGeometry(dlu.toPixels(14, 13, 370, 17));
    title_->setText(context_.config().value(byLanguage(language, "English", "Chinese"), QStringLiteral("Title"),
                                            QString()));

    grid_ = new ChannelGrid(model(), this);
    setControlId(grid_, GridId);
    grid_->setText(0, 0, columnTitle(GridColumn::Number, language));
    editors_ = new CellEditorDelegate(model(), this, grid_);
    grid_->setEditorDelegate(editors_);
    const QRect gridRect = dlu.toPixels(15, 37, 370, 167);
    grid_->setGeometry(gridRect.adjusted(0, 0, 0, qMax(0, grid_->fullHeight() - gridRect.height())));
    applyColours();
    // Enter and F1 reach the view also while the grid is disabled.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Channel window"));
    installEventFilter(this);
    grid_->installInputFilter(this);
    connect(grid_, &ChannelGrid::cellEntered, this, &ChannelView::openEditor);
    connect(grid_, &ChannelGrid::pressed, this, &ChannelView::openEditor);
    connect(grid_, &ChannelGrid::cellLeft, this, &ChannelView::leaveCommit);
    menus_ = new ChannelMenus(*this);
    connect(grid_, &ChannelGrid::cellMenuRequested, menus_, &ChannelMenus::showCellMenu);
    connect(grid_, &ChannelGrid::titleMenuRequested, menus_, &ChannelMenus::showTitleMenu);
    connect(grid_, &ChannelGrid::channelsDropped, this,
            [this](int before) { dropSelectedChannels(*this, before); });
    setMinimumSize(dlu.toPixelsX(398),
                   qMax(dlu.toPixelsY(218), grid_->geometry().bottom() + dlu.toPixelsY(14)));
}

void ChannelView::initialUpdate()
{
    loadFromImage();
}

void ChannelView::applyColours()
{
    // The classic colours where the palette lets them be read; lighter or darker where
    // it does not (a dark theme).
    // Header sections are drawn a shade off the button colour, toward the middle grey.
    const QColor button = palette().color(QPalette::Button);
    const QColor header = button.lightness() < 128 ? button.lighter(125) : button.darker(110);
    grid_->setTitleColour(readableColour(FixedTextColour, header, TextContrast));
    QPalette pal = title_->palette();
    pal.setColor(QPalette::WindowText,
                 readableColour(TitleColour, palette().color(QPalette::Window), LargeTextContrast));
    title_->setPalette(pal);
}

void ChannelView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && grid_)
        applyColours();
}

void ChannelView::applyColumnLayout()
{
    const RadioVariant variant = context_.radioVariant();
    model().setVariant(variant);
    grid_->setEnabled(variant != RadioVariant::Other);
    for (int c = 0; c < GridColumn::Count; ++c)
        grid_->setColumnWidthTwips(c, c == GridColumn::Number || model().isColumnShown(c) ? BaseWidths[c] : 0);
    grid_->keepCurrentCellShown();
}

void ChannelView::loadFromImage()
{
    closeEditor(); // an editor left open would cover the new texts
    applyColumnLayout();
    updateProductAndCaption();
}

void ChannelView::updateProductAndCaption()
{
    exchangeProductWithSettings(document_->image(), context_.isNewDocument(), *context_.settingsKey());
    showProductAndCaption();
}

void ChannelView::showProductAndCaption()
{
    const RadioImage& image = document_->image();
    const int type = image[RadioImage::ProductType];
    const QString typeName = context_.setupValue(typeKey(type));
    const QString bandText = bandTextAt(context_.setupValue(fieldKey(type)), image[RadioImage::ProductBand]);
    caption_ = captionString(context_.languageValue(QStringLiteral("AppName")), typeName, bandText,
                             context_.language());
    setBand(bandLimitsFromText(bandText));
    Q_EMIT captionChanged(caption_);
}

BandLimits ChannelView::band() const
{
    return model().band();
}

void ChannelView::setBand(BandLimits band)
{
    model().setBand(band);
}

ChannelTexts ChannelView::cellTexts() const
{
    ChannelTexts cells = model().texts();
    cells[0][GridColumn::Number] = grid_->text(0, 0);
    return cells;
}

void ChannelView::openEditor()
{
    if (!isEditable() || editors_->isOpen(grid_->currentColumn()))
        return;
    grid_->openEditor();
    // A list's popup is built when first asked for, so it is watched from its first opening.
    if (QComboBox* list = editors_->listOf(grid_->currentColumn()))
        list->view()->installEventFilter(this);
    grid_->viewport()->update();
}

void ChannelView::setCellMenuActions(const QList<QAction*>& actions)
{
    menus_->setCellActions(actions);
}

void ChannelView::showCellMenuAtCurrentCell()
{
    const QRect cell = grid_->cellRect(grid_->currentRow(), grid_->currentColumn());
    menus_->showCellMenu(grid_->viewport()->mapToGlobal(cell.center()));
}

bool ChannelView::isEditable() const
{
    return grid_->isEnabled() && !transfer_->isRunning();
}

// Hides the editor without taking over its text; the focus goes to the grid first, so
// hiding the editor hands it to nothing else.
void ChannelView::closeEditor()
{
    QWidget* editor = editors_->editorOf(grid_->currentColumn());
    if (!editor)
        return;
    grid_->setFocus();
    grid_->closeEditor(editor);
}

void ChannelView::cancelEditor()
{
    closeEditor();
}

bool ChannelView::editorChanged() const
{
    return editors_->isChanged(grid_->currentColumn());
}

QList<int> ChannelView::visibleColumns() const
{
    return model().shownColumns();
}

void ChannelView::leaveCommit()
{
    if (!editors_->isOpen(grid_->currentColumn()))
        return;
    // Passing through a cell changes nothing: a value the user did not touch is not checked
    // again (a channel outside today's band would otherwise be cleared by a click).
    if (editorChanged())
        commit(CommitKind::Leave);
    else
        closeEditor();
}

bool ChannelView::enterCommit()
{
    return commit(CommitKind::Enter);
}

bool ChannelView::commit(CommitKind kind)
{
    const int row = grid_->currentRow();
    const int col = grid_->currentColumn();
    const QString text = editors_->textOf(col);
    // Closed before the box, so a focus change while it shows cannot commit again.
    closeEditor();
    const ViewState before = state();
    const ChannelTableModel::CommitResult result = model().commit(row, col, text, kind);
    if (result.messageId != 0)
        context_.uiHooks().showMessageBox({this, stringTableText(result.messageId),
                                           stringTableText(MessageId::Caution), QMessageBox::Ok,
                                           QMessageBox::Warning});
    if (result.changed)
        recordChange(tr("Edit Channel %1").arg(row), before);
    return result.accepted;
}

bool ChannelView::writeRow(int row, const std::vector<CellWrite>& writes)
{
    return model().writeCells(row, writes);
}

ViewState ChannelView::state() const
{
    return {document_->image(), {context_.radioVariant(), context_.isNewDocument()}};
}

void ChannelView::putBack(const ImageChange& change, bool forward, const RadioState* radio)
{
    closeEditor();
    RadioImage& image = document_->image();
    if (forward)
        change.apply(image);
    else
        change.revert(image);
    if (radio) {
        context_.setRadioVariant(radio->variant);
        context_.setNewDocument(radio->newDocument);
    }
    applyColumnLayout(); // the model shows the bytes put back
    // The settings follow the product of the image put back, as after Product Information.
    storeProductPositions(*context_.settingsKey(), {image[RadioImage::ProductType], image[RadioImage::ProductBand]});
    showProductAndCaption();
}

bool ChannelView::recordChange(const QString& text, const ViewState& before, bool radioChanged)
{
    const ViewState after = state();
    if (!radioChanged && after.sameData(before))
        return false;
    undoStack_->push(new ViewChange(*this, text, ImageChange::between(before.image, after.image), before.radio,
                                    after.radio, radioChanged));
    return true;
}

// Enter goes on to the next column shown, then to the first one of the next row.
void ChannelView::moveToNextCell()
{
    const QList<int> columns = visibleColumns();
    if (columns.isEmpty())
        return;
    const int row = grid_->currentRow();
    const int col = grid_->currentColumn();
    const auto later = std::find_if(columns.cbegin(), columns.cend(), [col](int c) { return c > col; });
    if (later != columns.cend())
        grid_->setCurrentCell(row, *later);
    else
        grid_->setCurrentCell(row < grid_->rowCount() - 1 ? row + 1 : 1, columns.front());
}

bool ChannelView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // F1 belongs to the view's own help before the window's Help command.
        if (key->key() == Qt::Key_F1) {
            key->accept();
            return true;
        }
        // Unaccepted and kept from the edit box, a clipboard or undo key reaches the
        // window's Edit command, which works on the cells.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        return edit && !editBoxTakesKey(*edit, *key);
    }
    if (event->type() == QEvent::KeyPress && handleKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    // A double click on a cell, or in the edit box the first click opened over it, edits
    // the cell's text in place.
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == grid_->viewport() || qobject_cast<QLineEdit*>(watched))) {
        editInPlace();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// F1, F2, Enter, Escape, the menu keys, and typing on a cell without an open editor; true
// when handled.
bool ChannelView::handleKey(QObject* watched, const QKeyEvent& key)
{
    if (key.key() == Qt::Key_F1) {
        context_.uiHooks().requestHelp(focusedControlId(this, GridId));
        return true;
    }
    // In an opened drop-down, Enter and Escape belong to the list first.
    if (isListPopup(watched))
        return false;
    const int col = grid_->currentColumn();
    const bool editorOpen = editors_->isOpen(col);
    if (key.key() == Qt::Key_Escape && editorOpen) {
        cancelEditor();
        return true;
    }
    if (key.key() == Qt::Key_F2) {
        editInPlace();
        return true;
    }
    // The Menu key and Shift+F10 open the cells' menu at the current cell, also from an
    // open editor.
    if (key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier)) {
        showCellMenuAtCurrentCell();
        return true;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        if (!editorOpen || enterCommit())
            moveToNextCell();
        return true;
    }
    return !editorOpen && isPrintableKey(key) && openEditorWithKey(key);
}

// F2 and a double click: the current cell's editor, opened if need be, with the caret
// after the cell's text.
void ChannelView::editInPlace()
{
    const int col = grid_->currentColumn();
    if (!editors_->isOpen(col))
        openEditor();
    if (editors_->isOpen(col))
        editors_->editInPlace(col);
}

// The item views this view watches are the grid's table and the lists' popups, which
// are windows of their own.
bool ChannelView::isListPopup(const QObject* watched) const
{
    const auto* view = qobject_cast<const QAbstractItemView*>(watched);
    return view && !grid_->isAncestorOf(view);
}

// As in a spreadsheet, a key typed on a cell opens its editor with what was typed.
bool ChannelView::openEditorWithKey(const QKeyEvent& key)
{
    if (!isEditable())
        return false;
    const int col = grid_->currentColumn();
    openEditor();
    if (!editors_->isOpen(col))
        return false;
    QWidget* editor = editors_->editorOf(col);
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->clear();
    QKeyEvent typed(key.type(), key.key(), key.modifiers(), key.text());
    QCoreApplication::sendEvent(editor, &typed);
    return true;
}

// Clipboard and undo keys in an open edit box work on its own text while it has
// something for them (a paste: one value that fits a cell); otherwise on the cells.
bool ChannelView::editBoxTakesKey(const QLineEdit& edit, const QKeyEvent& key) const
{
    const bool oneCell = grid_->selection().isSingleCell();
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut))
        return oneCell && edit.hasSelectedText();
    if (key.matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        return oneCell && !isCellBlock(text) && text.size() <= MaxCellTextLength;
    }
    if (key.matches(QKeySequence::Undo))
        return edit.isUndoAvailable();
    if (key.matches(QKeySequence::Redo))
        return edit.isRedoAvailable();
    return true;
}
