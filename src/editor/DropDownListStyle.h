#pragma once

#include <QProxyStyle>

class QComboBox;

// Makes a selection list drop down below its box, at most maxVisibleItems entries high.
// Styles that show a list as a pop-up menu (Fusion among them) centre it on the current
// entry instead, ignoring maxVisibleItems: the tone list then covers the whole screen.
class DropDownListStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Gives the list a style of its own, owned by the list, over the application's style.
    static void applyTo(QComboBox* list);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    explicit DropDownListStyle(QStyle* base);
};
