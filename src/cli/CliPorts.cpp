#include "cli/CliPorts.h"

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "config/IniFile.h"
#include "link/PortNames.h"
#include "link/ProgrammingCables.h"
#include "link/SerialDevices.h"

#include <memory>

namespace {

// Description, manufacturer, USB ids, serial number and latency timer, what of them the
// device has.
QString deviceDetails(const SerialDeviceInfo& device)
{
    QStringList parts;
    for (const QString& part : {device.description, device.manufacturer, device.usbId()}) {
        if (!part.isEmpty())
            parts << part;
    }
    if (!device.serialNumber.isEmpty())
        parts << QStringLiteral("serial ") + device.serialNumber;
    if (device.latencyTimerMs)
        parts << QStringLiteral("latency timer: %1 ms").arg(*device.latencyTimerMs);
    return parts.join(QStringLiteral(", "));
}

QString cableMark(const SerialDeviceInfo& device, Language language)
{
    const ProgrammingCables::Chip* chip = ProgrammingCables::chipOf(device);
    if (!chip)
        return {};
    return byLanguage(language, "cable (%1)", "写频线（%1）").arg(QString::fromLatin1(chip->name));
}

QString row(const QStringList& fields)
{
    return fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

// Why a device does not open, once per device; absent slots go without, as most are.
class Reasons {
public:
    explicit Reasons(Language language) : language_(language) {}
    void add(const PortStatus& status, const QString& device, bool evenAbsent)
    {
        if (status.ok() || (status.state == PortStatus::State::Absent && !evenAbsent) ||
            devices_.contains(device))
            return;
        devices_ << device;
        text_ += portStatusText(status, device, language_) + QLatin1Char('\n');
    }
    QString text() const { return text_; }

private:
    Language language_;
    QStringList devices_;
    QString text_;
};

// COMn, its device, its state.
void printSlots(const SerialDevices& devices, Language language, Reasons& reasons)
{
    const PortMap map = programPortMap();
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n) {
        const QString device = map.devicePath(n);
        const PortStatus status = devices.status(device);
        printOut(row({QStringLiteral("COM%1").arg(n), device, portStateWord(status, language)}));
        reasons.add(status, device, false);
    }
}

// The device, its details, its state, the cable mark and the stable name.
void printDevices(const SerialDevices& devices, const QList<SerialDeviceInfo>& present, Language language,
                  Reasons& reasons)
{
    for (const SerialDeviceInfo& device : present) {
        const PortStatus status = devices.status(device.openName());
        printOut(row({device.path, deviceDetails(device), portStateWord(status, language),
                      cableMark(device, language), device.stableName}));
        reasons.add(status, device.path, true);
    }
}

QString automaticChoiceLine(const QList<SerialDeviceInfo>& cables, Language language)
{
    if (cables.size() == 1)
        return byLanguage(language, "--port auto: %1", "--port auto：%1").arg(cables.front().openName());
    if (cables.isEmpty())
        return byLanguage(language, "--port auto: none (no programming cable found)",
                          "--port auto：无（未找到写频线）");
    return byLanguage(language, "--port auto: none (%1 programming cables found)",
                      "--port auto：无（找到 %1 条写频线）")
        .arg(cables.size());
}

} // namespace

PortMap programPortMap()
{
    auto ini = std::make_shared<IniFile>();
    loadProgramIni(*ini);
    return PortMap(
        [ini](const QString& slotName) { return ini->value(QStringLiteral("Ports"), slotName, QString()); });
}

std::optional<QString> automaticPort(int& exitStatus)
{
    const std::unique_ptr<SerialDevices> devices = makeSerialDevices();
    const QList<SerialDeviceInfo> present = devices->present();
    const QList<SerialDeviceInfo> cables = ProgrammingCables::among(present);
    if (cables.size() == 1) {
        printErr(QStringLiteral("--port auto: using ") + cables.front().openName() + QStringLiteral(" (") +
                 deviceDetails(cables.front()) + QStringLiteral(")\n"));
        return cables.front().openName();
    }
    printErr(
        cables.isEmpty()
            ? QStringLiteral("--port auto: no programming cable found. Serial devices present:\n")
            : QStringLiteral("--port auto: several programming cables found; choose one with --port:\n"));
    const QList<SerialDeviceInfo>& candidates = cables.isEmpty() ? present : cables;
    for (const SerialDeviceInfo& device : candidates)
        printErr(QStringLiteral("  ") + device.openName() + QStringLiteral("\t") + deviceDetails(device) +
                 QLatin1Char('\n'));
    if (candidates.isEmpty())
        printErr(QStringLiteral("  (none)\n"));
    exitStatus = CliExit::PortError;
    return std::nullopt;
}

int runPorts(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("List the COM slots and the serial devices present, whether each can be opened, and "
                       "which device --port auto would take."));
    addLanguageOption(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;
    const std::optional<Language> chosen = languageFrom(parser);
    if (!chosen)
        return usageError(parser, QStringLiteral("--lang takes en or zh"));
    const Language language = *chosen;

    const std::unique_ptr<SerialDevices> devices = makeSerialDevices();
    const QList<SerialDeviceInfo> present = devices->present();
    Reasons reasons(language);
    printSlots(*devices, language, reasons);
    printDevices(*devices, present, language, reasons);
    printOut(automaticChoiceLine(ProgrammingCables::among(present), language) + QLatin1Char('\n'));
    printOut(reasons.text());
    return CliExit::Ok;
}
