#pragma once

#include "model/RadioImage.h"
#include "model/RadioVariant.h"
#include "session/FleetBench.h"

#include <QDialog>
#include <QTimer>
#include <memory>

class AppContext;
class QAbstractItemModel;
class FleetCableModel;
class FleetLogModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

// Program > Program Several Radios: the dealer's bench over the active document. Its plan
// is the document's image as Write sends it and the document's radio variant (a radio of
// another is refused); a row per cable (every programming cable present, those plugged in
// later, and any device the user adds), its state, a bar over backup, write and verify,
// and the radios it handled; the totals and the elapsed time; a log row per radio, kept as
// CSV beside the radio history and saved on request. Modal, so the document cannot change
// while radios are programmed with it. Closing it while a radio is being written asks
// first.
class FleetWindow : public QDialog {
    Q_OBJECT
public:
    FleetWindow(const RadioImage& plan, RadioVariant variant, const QString& planTitle, AppContext& context,
                QWidget* parent = nullptr);
    ~FleetWindow() override;

    FleetBench* bench() const { return bench_.get(); }
    FleetCableModel* cables() const { return cables_; }
    FleetLogModel* log() const { return log_; }
    QLabel* totals() const { return totals_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }
    QCheckBox* verifyBox() const { return verify_; }
    QCheckBox* backupBox() const { return backup_; }
    QSpinBox* stopAfterBox() const { return stopAfter_; }

    // Adds a row for device (a path or a stable name), taken on at once while it runs.
    void addDevice(const QString& device);
    void start();
    // The first finishes the radios being written, the second cancels at once.
    void stop();
    bool saveLog(const QString& path);

    void reject() override;

private:
    QWidget* makeOptions();
    QLayout* makeButtons();
    QTableView* makeTable(QAbstractItemModel* model, const QString& accessibleName);
    FleetOptions options() const;
    FleetServices services() const;
    void connectBench();
    void addPresentCables();
    void addDeviceWithDialog();
    void saveLogWithDialog();
    void onRadioEnded(const FleetRecord& record);
    void onFinished();
    // Whether the window may close now; otherwise it closes once the bench has finished.
    bool mayClose();
    void updateControls();
    void updateTotals();

    AppContext& context_;
    const RadioImage plan_;
    const RadioVariant variant_;
    std::unique_ptr<FleetBench> bench_; // the current or last run
    FleetCableModel* cables_;
    FleetLogModel* log_;
    QTableView* cableTable_;
    QTableView* logTable_;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QSpinBox* stopAfter_ = nullptr;
    QLabel* totals_;
    QLabel* logNote_;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* addDevice_ = nullptr;
    QPushButton* saveLog_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer cableWatch_;
    QTimer clock_;
    bool closeWhenFinished_ = false;
};
