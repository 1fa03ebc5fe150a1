#pragma once

#include "channels/CellMarks.h"

#include <QStyledItemDelegate>
#include <optional>

// Paints the difference marks of a channel grid's cells (uikit/MarkColours): a cell that
// differs from the fill kind's reference is filled, one that differs from the frame
// kind's reference is framed. The tool tip and the accessible description come from the
// model itself.
class CellMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CellMarkDelegate(CellMarks::Kind fill, std::optional<CellMarks::Kind> frame, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    CellMarks::Kind fill_;
    std::optional<CellMarks::Kind> frame_;
};
