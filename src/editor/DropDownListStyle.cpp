#include "editor/DropDownListStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QStyleFactory>

DropDownListStyle::DropDownListStyle(QStyle* base) : QProxyStyle(base) {}

void DropDownListStyle::applyTo(QComboBox* list)
{
    // A fresh instance of the style in use (a proxy takes ownership of its base); without
    // one, QProxyStyle would pick the desktop's default rather than a style chosen later.
    auto* style = new DropDownListStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(list);
    list->setStyle(style);
}

int DropDownListStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
