#pragma once

#include "model/ChannelCodec.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <array>

class ChannelView;
class QAction;
class QMenu;

// The context menus of a channel view. The cells' menu holds the channel operations (the
// window's own actions, handed over once) and the values the current column can be set
// to for the selected channels; a title cell's menu holds its column's values. W/N and
// Scan offer their values in the menu; the two tone columns, with 219 tones, a chooser.
// Each menu is built once, when first shown.
class ChannelMenus : public QObject {
    Q_OBJECT
public:
    explicit ChannelMenus(ChannelView& view);

    void setCellActions(const QList<QAction*>& actions);
    void showCellMenu(const QPoint& globalPos);
    void showTitleMenu(int col, const QPoint& globalPos);

private:
    QAction* setColumnAction(int col);
    QMenu* titleMenu(int col);
    void chooseTone(int col);
    void enableSetActions();

    ChannelView& view_;
    QList<QAction*> cellActions_;
    QMenu* cellMenu_ = nullptr;
    std::array<QAction*, GridColumn::Count> setActions_{}; // W/N, Scan and the tones
    std::array<QMenu*, GridColumn::Count> titleMenus_{};
};
