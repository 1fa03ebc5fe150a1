#pragma once

#include "channels/CommitRules.h"
#include "editor/ViewUndo.h"
#include "model/ChannelCodec.h"
#include "model/ProductBand.h"
#include "print/ReportPagination.h"

#include <QWidget>

class AppContext;
class ChannelGrid;
class ChannelDocument;
class CellEditorDelegate;
class ChannelMenus;
class ChannelTableModel;
class PortSettingDialog;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QUndoStack;
class ViewTransfer;

// The channel window's contents: the title label and the channel grid, a view over the
// document's channel model, with the in-place editor of the current cell.
class ChannelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int GridId = 1000;
    static constexpr int TitleId = 1006;

    ChannelView(ChannelDocument* document, AppContext& context, QWidget* parent = nullptr);
    ~ChannelView() override;

    ChannelDocument* document() const { return document_; }
    ChannelTableModel& model() const;
    AppContext& context() const { return context_; }
    ChannelGrid* grid() const { return grid_; }
    QLabel* titleLabel() const { return title_; }
    const CellEditorDelegate& editors() const { return *editors_; }
    const QStringList& toneList() const;

    // First display: the refill.
    void initialUpdate();
    // The refill after the image changed as a whole (a read, a file): the column layout of
    // the radio type, the cells, the product type and band, the caption.
    void loadFromImage();

    // Commits the open editor of the current cell as leaving the cell does. The transfer,
    // save, print and CSV commands call it first, so a typed value is never lost.
    void leaveCommit();
    // Commits for the Enter key; false when the input was refused.
    bool enterCommit();

    void openEditor();
    // Escape: closes the open editor without taking over its text; the cell keeps its own.
    void cancelEditor();
    // Whether the user changed the text of the open editor since it opened.
    bool editorChanged() const;
    // False while the radio type locks the grid or a transfer with the radio runs.
    bool isEditable() const;
    // The columns the radio type shows, in order (Busy Lock and Power never show).
    QList<int> visibleColumns() const;
    // Writes a commit's cells into a row; true when a byte changed.
    bool writeRow(int row, const std::vector<CellWrite>& writes);

    // The channel operations the cells' context menu offers before the values of the
    // current column: the window's own actions, so keys, texts and enabled states are theirs.
    void setCellMenuActions(const QList<QAction*>& actions);

    // Every change of the image is one step of this stack; its clean state is the
    // document's saved state.
    QUndoStack* undoStack() const { return undoStack_; }
    ViewState state() const;
    // Records what changed since before as one step named text. Nothing is recorded
    // when nothing changed, except for a read from the radio (radioChanged). True when
    // a step was recorded.
    bool recordChange(const QString& text, const ViewState& before, bool radioChanged = false);
    // An undo step's change made again (forward) or taken back, with the radio type and
    // new-document flag it puts back, if any.
    void putBack(const ImageChange& change, bool forward, const RadioState* radio);

    // The main window title after the last refill: AppName, then the type and band.
    QString caption() const { return caption_; }

    // The limits every typed frequency is checked against.
    BandLimits band() const;
    void setBand(BandLimits band);

    // The texts of all cells, as printing reads them.
    ChannelTexts cellTexts() const;

    // Read and Write with the radio, and the Port Setting dialog of Com Setup, with a
    // note above the ports when a transfer asks the user to choose; true after OK.
    ViewTransfer& transfer() const { return *transfer_; }
    bool openPortSetting(const QString& note = {});

    // How the last printout split the channels over its pages.
    ReportPagination& pagination() { return pagination_; }

Q_SIGNALS:
    // The main window title (the caption string) after a refill.
    void captionChanged(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void applyColumnLayout();
    bool commit(CommitKind kind);
    void closeEditor();
    void moveToNextCell();
    void updateProductAndCaption();
    void showProductAndCaption();
    void applyColours();
    bool handleKey(QObject* watched, const QKeyEvent& key);
    bool isListPopup(const QObject* watched) const;
    bool openEditorWithKey(const QKeyEvent& key);
    void showCellMenuAtCurrentCell();
    void editInPlace();
    bool editBoxTakesKey(const QLineEdit& edit, const QKeyEvent& key) const;
    PortSettingDialog& portSetting();

    ChannelDocument* document_;
    AppContext& context_;
    QString caption_;
    QLabel* title_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    CellEditorDelegate* editors_ = nullptr;
    ChannelMenus* menus_ = nullptr;
    ReportPagination pagination_;
    ViewTransfer* transfer_;
    PortSettingDialog* portSetting_ = nullptr; // built when Com Setup first asks for it
    QUndoStack* undoStack_;
};
