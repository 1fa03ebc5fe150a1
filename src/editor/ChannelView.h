#pragma once

#include "editor/CommitRules.h"
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
class QLabel;
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
    void storeToImage();
    // The leave commit of an open editor, then storeToImage: what save and the other
    // commands that take the grid's values use, so a typed value is never lost.
    void commitGridToImage();

    // Commits the open editor of the current cell as leaving the cell does. The transfer,
    // save and print commands call it first.
    void leaveCommit();
    // Commits for the Enter key; false when the input was refused.
    bool enterCommit();

    void openEditor();

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

private:
    void buildForm();
    void setUpGridOnce();
    void applyColumnLayout();
    void placeEditor();
    bool commit(CommitKind kind);
    void moveToNextCell();
    bool isColumnHiddenByVariant(int col) const;
    void writeCells(ChannelTexts& cells);
    void updateProductAndCaption();

    ChannelDocument* document_;
    AppContext& context_;
    BandLimits band_;
    QLabel* title_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    std::unique_ptr<CellEditors> editors_;
    QStringList toneList_;
    bool firstInitialisation_ = true;
    ReportPagination pagination_;
    ViewTransfer* transfer_;
    PortSettingDialog* portSetting_;
};
