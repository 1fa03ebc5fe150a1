#include "dialogs/ProgressBarDelegate.h"

#include <QApplication>
#include <QStyleOptionProgressBar>

ProgressBarDelegate::ProgressBarDelegate(int valueRole, int maximumRole, QObject* parent)
    : QStyledItemDelegate(parent), valueRole_(valueRole), maximumRole_(maximumRole)
{
}

void ProgressBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionProgressBar bar;
    bar.initFrom(option.widget);
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.state = option.state | QStyle::State_Horizontal;
    bar.minimum = 0;
    bar.maximum = qMax(1, index.data(maximumRole_).toInt());
    bar.progress = qBound(0, index.data(valueRole_).toInt(), bar.maximum);
    bar.text = index.data(Qt::DisplayRole).toString();
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
}
