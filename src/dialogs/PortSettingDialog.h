#pragma once

#include "link/SerialDeviceInfo.h"

#include <QDialog>
#include <QList>

class AppContext;
class DialogUnits;
class QButtonGroup;
class QLabel;
class QLayout;
class QRadioButton;
class QTimer;
class SerialDeviceList;

// "Port Setting": COM1 to COM16, the ports that cannot be opened greyed out, each with a
// tooltip naming its device and why it cannot be opened; below them the serial devices
// present, kept current while the dialog is open. OK makes the chosen port or device the
// one transfers use and remembers it for the user.
class PortSettingDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int FirstButtonId = 1007; // COMn has id 1006 + n
    static constexpr int DeviceListId = 1023;
    // How often the list of devices is looked at while the dialog is open.
    static constexpr int RefreshIntervalMs = 500;

    explicit PortSettingDialog(AppContext& context, QWidget* parent = nullptr);

    // Tests the ports, lists the devices, selects the current choice and shows the dialog
    // modally.
    int exec() override;
    // The same, with a note above the ports saying why the dialog came up.
    int execWithNote(const QString& note);
    void accept() override;

    QRadioButton* button(int number) const;
    // The port number whose button is selected, 0 for none.
    int selectedNumber() const;
    SerialDeviceList* deviceList() const { return list_; }
    // The device checked in the list (its stable name where it has one), empty for none.
    QString selectedDevice() const;
    QLabel* note() const { return note_; }

private:
    void buildLayout(const DialogUnits& units);
    QLayout* buildTop(const DialogUnits& units);
    void buildPorts(QWidget* box, const DialogUnits& units);
    void testPorts();
    void selectCurrentPort();
    void clearButtons();
    void refreshDevices(bool force);

    AppContext& context_;
    QButtonGroup* group_;
    SerialDeviceList* list_;
    QLabel* note_;
    QTimer* refresh_;
    QList<SerialDeviceInfo> shown_; // what the list shows, to notice a change
    QString listChoice_;            // the device chosen in the list, also while absent
};
