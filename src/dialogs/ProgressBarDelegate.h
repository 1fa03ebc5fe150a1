#pragma once

#include <QStyledItemDelegate>

// Paints a cell as a progress bar: the value of valueRole out of the maximum of
// maximumRole, with the cell's text on it.
class ProgressBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ProgressBarDelegate(int valueRole, int maximumRole, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int valueRole_;
    int maximumRole_;
};
