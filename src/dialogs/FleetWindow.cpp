#include "dialogs/FleetWindow.h"

#include "config/DataLocation.h"
#include "dialogs/FleetCableModel.h"
#include "dialogs/FleetLogModel.h"
#include "dialogs/ProgressBarDelegate.h"
#include "dialogs/RadioVariantText.h"
#include "link/ProgrammingCables.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTime>
#include <QVBoxLayout>

namespace {

constexpr int ClockIntervalMs = 1000;

QString elapsedText(qint64 ms)
{
    return QTime(0, 0).addMSecs(ms).toString(QStringLiteral("H:mm:ss"));
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

FleetWindow::FleetWindow(const RadioImage& plan, RadioVariant variant, const QString& planTitle,
                         AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), plan_(plan), variant_(variant)
{
    setObjectName(QStringLiteral("FleetWindow")); // its help topic
    setWindowTitle(tr("Program Several Radios"));
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    resize(dlu.toPixelsX(560), dlu.toPixelsY(340));

    auto* heading = new QLabel(tr("Each radio put on a cable is backed up, written with %1 (%2 radios; "
                                  "others are refused), read back and compared. Take it off when its "
                                  "row says so and put on the next.")
                                   .arg(displayedValue(planTitle), radioVariantText(variant)),
                               this);
    heading->setWordWrap(true);
    cables_ = new FleetCableModel(context.language(), this);
    log_ = new FleetLogModel(this);
    cableTable_ = makeTable(cables_, tr("Cables"));
    cableTable_->setItemDelegateForColumn(
        FleetCableModel::Progress,
        new ProgressBarDelegate(FleetCableModel::StepsRole, FleetCableModel::StepsPerRadioRole, this));
    cableTable_->horizontalHeader()->setSectionResizeMode(FleetCableModel::Progress, QHeaderView::Fixed);
    cableTable_->horizontalHeader()->resizeSection(FleetCableModel::Progress, dlu.toPixelsX(80));
    logTable_ = makeTable(log_, tr("Log"));
    logTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    totals_ = new QLabel(this);
    totals_->setAccessibleName(tr("Totals"));
    logNote_ = new QLabel(this);
    logNote_->setWordWrap(true);
    logNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(buddyLabel(tr("C&ables:"), cableTable_, this));
    layout->addWidget(cableTable_, 2);
    layout->addWidget(makeOptions());
    layout->addWidget(totals_);
    layout->addWidget(buddyLabel(tr("&Log:"), logTable_, this));
    layout->addWidget(logTable_, 3);
    layout->addWidget(logNote_);
    layout->addLayout(makeButtons());

    cableWatch_.setInterval(FleetBench::CableWatchIntervalMs);
    connect(&cableWatch_, &QTimer::timeout, this, &FleetWindow::addPresentCables);
    cableWatch_.start();
    clock_.setInterval(ClockIntervalMs);
    connect(&clock_, &QTimer::timeout, this, &FleetWindow::updateTotals);
    addPresentCables();
    updateTotals();
    updateControls();
    start_->setFocus();
    installControlHelp(this, context.uiHooks());
}

FleetWindow::~FleetWindow() = default;

QTableView* FleetWindow::makeTable(QAbstractItemModel* model, const QString& accessibleName)
{
    auto* table = new QTableView(this);
    table->setModel(model);
    table->setAccessibleName(accessibleName);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QWidget* FleetWindow::makeOptions()
{
    auto* options = new QWidget(this);
    verify_ = new QCheckBox(tr("&Verify each radio"), options);
    verify_->setChecked(true);
    backup_ = new QCheckBox(tr("&Back up each radio first"), options);
    backup_->setChecked(true);
    stopAfter_ = new QSpinBox(options);
    stopAfter_->setRange(0, 9999);
    stopAfter_->setSpecialValueText(tr("no limit"));
    stopAfter_->setSuffix(tr(" radios"));
    stopAfter_->setAccessibleName(tr("Stop after"));
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(verify_);
    row->addWidget(backup_);
    row->addWidget(buddyLabel(tr("Stop a&fter:"), stopAfter_, options));
    row->addWidget(stopAfter_);
    row->addStretch(1);
    return options;
}

QLayout* FleetWindow::makeButtons()
{
    start_ = new QPushButton(tr("&Start"), this);
    stop_ = new QPushButton(tr("S&top"), this);
    addDevice_ = new QPushButton(tr("A&dd Device..."), this);
    saveLog_ = new QPushButton(tr("Sa&ve Log..."), this);
    close_ = new QPushButton(tr("Close"), this);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &FleetWindow::start);
    connect(stop_, &QPushButton::clicked, this, &FleetWindow::stop);
    connect(addDevice_, &QPushButton::clicked, this, &FleetWindow::addDeviceWithDialog);
    connect(saveLog_, &QPushButton::clicked, this, &FleetWindow::saveLogWithDialog);
    connect(close_, &QPushButton::clicked, this, &FleetWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(addDevice_);
    buttons->addStretch(1);
    buttons->addWidget(saveLog_);
    buttons->addWidget(close_);
    return buttons;
}

FleetOptions FleetWindow::options() const
{
    FleetOptions options;
    options.backup = backup_->isChecked();
    options.verify = verify_->isChecked();
    options.stopAfter = stopAfter_->value();
    options.variant = variant_;
    options.language = context_.language();
    return options;
}

FleetServices FleetWindow::services() const
{
    return {context_.historyKeeper(), context_.serialDevices(), context_.fileWriter(),
            fleetLogFolder(context_.historyFolder())};
}

// Between two runs the window looks for new cables itself; while one runs, the bench.
void FleetWindow::addPresentCables()
{
    if (bench_ && bench_->isRunning())
        return;
    for (const SerialDeviceInfo& device : ProgrammingCables::among(context_.serialDevices().present()))
        cables_->addCable({device.openName(), device.stableName});
    updateControls();
}

void FleetWindow::addDevice(const QString& device)
{
    FleetCable cable = namedCable(device, context_.serialDevices().present());
    if (!cable.stableName.isEmpty())
        cable.device = cable.stableName; // opened by its stable name, as the cables found present
    if (bench_ && bench_->isRunning())
        bench_->addCable(cable); // the row comes with cableAdded
    else
        cables_->addCable(cable);
    updateControls();
}

void FleetWindow::addDeviceWithDialog()
{
    QStringList devices;
    for (const SerialDeviceInfo& info : context_.serialDevices().present())
        devices << info.openName();
    bool ok = false;
    const QString device = QInputDialog::getItem(this, tr("Add Device"), tr("The serial &device of a cable:"),
                                                 devices, 0, true, &ok)
                               .trimmed();
    if (ok && !device.isEmpty())
        addDevice(device);
}

void FleetWindow::start()
{
    if (cables_->rowCount() == 0 || (bench_ && bench_->isRunning()))
        return;
    bench_ = std::make_unique<FleetBench>(plan_, options(), services());
    log_->clear();
    cables_->resetCounts();
    cables_->setStepsPerRadio(bench_->stepsPerRadio());
    logNote_->clear();
    connectBench();
    for (const FleetCable& cable : cables_->cables())
        bench_->addCable(cable);
    bench_->watchForCables();
    bench_->start();
    clock_.start();
    updateControls();
    updateTotals();
}

void FleetWindow::connectBench()
{
    FleetBench* bench = bench_.get();
    connect(bench, &FleetBench::cableAdded, this,
            [this](int cable) { cables_->addCable(bench_->cable(cable)); });
    connect(bench, &FleetBench::stateChanged, cables_, &FleetCableModel::setState);
    connect(bench, &FleetBench::progressed, cables_, &FleetCableModel::setSteps);
    connect(bench, &FleetBench::radioEnded, this, &FleetWindow::onRadioEnded);
    connect(bench, &FleetBench::totalsChanged, this, &FleetWindow::updateTotals);
    connect(bench, &FleetBench::logFailed, this, [this](const QString& path, const QString& reason) {
        logNote_->setText(tr("The log could not be kept in %1: %2").arg(displayedPath(path), reason));
    });
    connect(bench, &FleetBench::finished, this, &FleetWindow::onFinished);
}

void FleetWindow::stop()
{
    if (bench_)
        bench_->stop();
    updateControls();
}

void FleetWindow::onRadioEnded(const FleetRecord& record)
{
    log_->add(record);
    cables_->countRadio(record.cable);
    logTable_->resizeColumnsToContents();
    logTable_->scrollToBottom();
    logNote_->setText(tr("The log is kept in %1.").arg(QDir::toNativeSeparators(bench_->keptLogPath())));
}

void FleetWindow::onFinished()
{
    clock_.stop();
    updateTotals();
    updateControls();
    if (closeWhenFinished_)
        QDialog::reject();
}

void FleetWindow::saveLogWithDialog()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Log"), tr("bench log.csv"),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        saveLog(path);
}

bool FleetWindow::saveLog(const QString& path)
{
    const WriteResult written = context_.fileWriter().write(path, log_->log().csv());
    if (!written.ok)
        fileErrorBox(context_.uiHooks(), context_.company(), tr("Could not save the file %1."), path,
                     written.errorText);
    return written.ok;
}

bool FleetWindow::mayClose()
{
    if (!bench_ || !bench_->isRunning())
        return true;
    if (bench_->isWriting()) {
        const QMessageBox::StandardButton answer = context_.uiHooks().showMessageBox(
            {this,
             tr("A radio is being written.\n\nYes: finish the radios being written, then close.\nNo: stop at "
                "once (a radio cut short is logged as half-written).\nCancel: keep the bench running."),
             context_.company(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Question});
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Yes)
            bench_->stop();
        else
            bench_->cancel();
    } else {
        bench_->cancel();
    }
    // The last log rows come from the cables' threads: close once they are in.
    closeWhenFinished_ = true;
    updateControls();
    return !bench_->isRunning();
}

// Close, Escape and the title bar's close button.
void FleetWindow::reject()
{
    if (mayClose())
        QDialog::reject();
}

void FleetWindow::updateControls()
{
    const bool running = bench_ && bench_->isRunning();
    start_->setEnabled(!running && cables_->rowCount() > 0);
    stop_->setEnabled(running && !closeWhenFinished_);
    stop_->setText(running && bench_->isStopping() ? tr("Stop &Now") : tr("S&top"));
    verify_->setEnabled(!running);
    backup_->setEnabled(!running);
    stopAfter_->setEnabled(!running);
    saveLog_->setEnabled(log_->rowCount() > 0);
    if (!start_->isEnabled() && start_->hasFocus())
        stop_->setFocus();
}

void FleetWindow::updateTotals()
{
    const FleetTotals totals = bench_ ? bench_->totals() : FleetTotals();
    const qint64 elapsed = bench_ ? bench_->elapsedMs() : 0;
    totals_->setText(tr("Programmed: %1    Failed: %2    Refused: %3    Elapsed: %4")
                         .arg(totals.programmed)
                         .arg(totals.failed)
                         .arg(totals.refused)
                         .arg(elapsedText(elapsed)));
    updateControls();
}
