#pragma once

#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "support/GuiTestEnv.h"

#include <QKeySequence>
#include <QStringList>
#include <memory>

class ChannelGrid;
class QLineEdit;

// A channel view of one document, shown offscreen on its own, with the clicks and keys a
// user would give it. Each key goes where the keyboard focus is at that moment.
struct ViewFixture {
    GuiTestEnv env;
    ChannelDocument document;
    std::unique_ptr<ChannelView> view;

    explicit ViewFixture(RadioVariant variant = RadioVariant::ReceiveOnly, bool newDocument = true,
                         const RadioImage& image = RadioImage::makeNew());

    ChannelGrid* grid() const { return view->grid(); }
    QString cell(int r, int c) const;
    QStringList row(int r) const; // columns 1..8
    QLineEdit* edit(int col) const;

    void clickCell(int row, int col);
    // Clicks the cell and types the text over what its edit box holds.
    void typeInto(int row, int col, const QString& text);
    void key(Qt::Key key);
    void pressEnter() { key(Qt::Key_Return); }
    void typeKeys(const QString& text);
    // Selects the cells from (top, left) to (bottom, right), in grid coordinates.
    void selectCells(int top, int left, int bottom, int right);
};
