#pragma once

#include <QDialog>
#include <functional>

class AppContext;
class QButtonGroup;
class QRadioButton;

// "Port Setting": COM1 to COM16, the ports that cannot be opened greyed out. OK makes
// the chosen port the one transfers use and remembers it for the user.
class PortSettingDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int FirstButtonId = 1007; // COMn has id 1006 + n

    // canOpen tells whether a device opens exclusively right now (opened and closed
    // again at once); the dialog asks it once per port when it opens.
    using PortProbe = std::function<bool(const QString& device)>;
    PortSettingDialog(PortProbe canOpen, AppContext& context, QWidget* parent = nullptr);

    // Tests the ports, selects the current one and shows the dialog modally.
    int exec() override;
    void accept() override;

    QRadioButton* button(int number) const;
    // The port number whose button is selected, 0 for none.
    int selectedNumber() const;

private:
    void testPorts();

    PortProbe canOpen_;
    AppContext& context_;
    QButtonGroup* group_;
};
