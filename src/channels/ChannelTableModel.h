#pragma once

#include "channels/CellChoices.h"
#include "channels/CommitRules.h"
#include "model/ChannelCodec.h"
#include "model/Language.h"
#include "model/ProductBand.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QAbstractTableModel>
#include <vector>

// The sixteen channels of a radio image as a table: row r is channel r + 1, column c the
// grid's column c + 1 (Rx Frequency .. Power); the channel numbers are the rows' header.
// The model's own functions count in grid columns (GridColumn). Every cell's
// text is decoded from the image in the model's language; an edit runs the commit rules
// and writes only the fields of the cells the rules fill or clear, so bytes nobody edited
// never change. Columns the radio variant hides are never written.
//
// The image belongs to the document; every view, the printout, CSV and the transfers
// read it through this one model.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // setData with Qt::EditRole commits as the Enter key does; with LeaveCommitRole as
    // leaving the cell does.
    static constexpr int LeaveCommitRole = Qt::UserRole + 1;

    struct CommitResult {
        bool accepted = true;
        int messageId = 0;    // the message the refusal shows, 0 for none
        bool changed = false; // a byte of the image changed
    };

    explicit ChannelTableModel(RadioImage& image, QObject* parent = nullptr);

    // The image shown. Whoever changes its channel bytes directly calls refresh().
    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }

    static int channelOf(const QModelIndex& index) { return index.row() + 1; }
    static int columnOf(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex cellIndex(int channel, int col) const { return index(channel - 1, col - 1); }

    Language language() const { return language_; }
    void setLanguage(Language language);
    // The column layout: a model keeps the variant of its last refill.
    RadioVariant variant() const { return variant_; }
    void setVariant(RadioVariant variant);
    // The limits every typed frequency is checked against.
    BandLimits band() const { return band_; }
    void setBand(BandLimits band) { band_ = band; }
    const CellChoices& choices() const { return choices_; }

    // Whether the grid shows the column: never Busy Lock and Power, nor what the variant
    // hides.
    bool isColumnShown(int col) const;
    QList<int> shownColumns() const;
    // A radio of no known type locks the grid.
    bool isEditable() const { return variant_ != RadioVariant::Other; }

    // A cell as the grid shows it (channel 1..16, column 0..8).
    QString text(int channel, int col) const;
    // Titles (row 0), channel numbers (column 0) and every cell.
    ChannelTexts texts() const;

    // What the commit rules make of a typed or chosen text in a cell, nothing written.
    CommitPlan plan(int channel, int col, const QString& editorText, CommitKind kind) const;
    // Runs the commit rules and writes what they fill or clear (also when they refuse).
    CommitResult commit(int channel, int col, const QString& editorText, CommitKind kind);
    // Writes cell texts of one channel as they are, without the rules; true when a byte
    // changed.
    bool writeCells(int channel, const std::vector<CellWrite>& writes);
    // The image changed underneath (a read, a file, a dialog, an undo step).
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void decodeRow(int channel);
    void rowChanged(int channel);

    RadioImage& image_;
    Language language_ = Language::English;
    RadioVariant variant_ = RadioVariant::ReceiveOnly;
    BandLimits band_;
    CellChoices choices_;
    ChannelTexts texts_;
};
