#pragma once

#include "editor/CommitRules.h"
#include "editor/ViewUndo.h"
#include "model/ChannelCodec.h"
#include "model/ProductBand.h"
#include "print/ReportPagination.h"

#include <QWidget>
#include <memory>

class AppContext;
class ChannelGrid;
class ChannelDocument;
class CellEditors;
class PortSettingDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QUndoStack;
class ViewTransfer;

// The channel window's contents: the title label and the channel grid with its in-place
// editors. Between loadFromImage and storeToImage the grid's texts are the data.
class ChannelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int GridId = 1000;
    static constexpr int TitleId = 1006;

    ChannelView(ChannelDocument* document, AppContext& context, QWidget* parent = nullptr);
    ~ChannelView() override;

    ChannelDocument* document() const { return document_; }
    AppContext& context() const { return context_; }
    ChannelGrid* grid() const { return grid_; }
    QLabel* titleLabel() const { return title_; }
    const CellEditors& editors() const { return *editors_; }
    const QStringList& toneList() const { return toneList_; }

    // First display: one-time set-up of grid and editors, then the refill.
    void initialUpdate();

    void loadFromImage();
    // Writes the cells the user changed into the image (the rest of it stays as it is),
    // then shows the stored image in the grid.
    void storeToImage();
    // The image as storeToImage would make it, the document untouched.
    RadioImage gridImage() const;
    // The leave commit of an open editor, then storeToImage: what save and the other
    // commands that take the grid's values use, so a typed value is never lost.
    void commitGridToImage();

    // Commits the open editor of the current cell as leaving the cell does. The transfer,
    // save and print commands call it first.
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
    // Writes a commit's cells into a row; true when any text changed.
    bool writeRow(int row, const std::vector<CellWrite>& writes);

    // Every change of the grid or the image is one step of this stack; its clean state
    // is the document's saved state.
    QUndoStack* undoStack() const { return undoStack_; }
    ViewState state() const;
    // Puts a state back; the radio type and new-document flag only with withRadio.
    void restoreState(const ViewState& state, bool withRadio);
    // Records what changed since before as one step named text. Nothing is recorded
    // when nothing changed, except for a read from the radio (radioChanged). True when
    // a step was recorded.
    bool recordChange(const QString& text, const ViewState& before, bool radioChanged = false);

    // The main window title after the last refill: AppName, then the type and band.
    QString caption() const { return caption_; }

    // The limits every typed frequency is checked against.
    BandLimits band() const { return band_; }
    void setBand(BandLimits band) { band_ = band; }

    // The texts of all cells, as printing and the codec read them.
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
    void setUpGridOnce();
    void applyColumnLayout();
    void placeEditor();
    bool commit(CommitKind kind);
    void moveToNextCell();
    void writeCells(const ChannelTexts& cells);
    void updateProductAndCaption();
    void showProductAndCaption();
    void applyColours();
    bool handleKey(QObject* watched, const QKeyEvent& key);
    bool isListPopup(const QObject* watched) const;
    bool openEditorWithKey(const QKeyEvent& key);
    void editInPlace();
    bool editBoxTakesKey(const QLineEdit& edit, const QKeyEvent& key) const;
    PortSettingDialog& portSetting();

    ChannelDocument* document_;
    AppContext& context_;
    BandLimits band_;
    QString caption_;
    QLabel* title_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    std::unique_ptr<CellEditors> editors_;
    QStringList toneList_;
    ReportPagination pagination_;
    ViewTransfer* transfer_;
    PortSettingDialog* portSetting_ = nullptr; // built when Com Setup first asks for it
    QUndoStack* undoStack_;
};
