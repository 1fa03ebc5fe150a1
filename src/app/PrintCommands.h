#pragma once

#include <QObject>
#include <memory>

class AppContext;
class ReportPagination;
struct ReportInput;
class ChannelView;
class QPrinter;
class QWidget;

// File > Print, the direct print, Print Preview and Print Setup over one printer set-up
// that lives as long as the main window, from its first use on. Printing commits an open cell editor first.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(const AppContext& context, QWidget* dialogParent);
    ~PrintCommands() override;

    void print(ChannelView& view);       // with the print dialog
    void printDirect(ChannelView& view); // on the chosen printer, no dialog
    void preview(ChannelView& view);
    void setup();
    // Made when printing first needs it: the printer set-up loads the print system.
    QPrinter& printer();

private:
    bool printOn(ChannelView& view, const ReportInput& input);
    void reportNotPrinted() const;
    bool printToFile(const QPrinter& printer, const ReportInput& input, ReportPagination& pagination);
    ReportInput reportInputOf(ChannelView& view) const;

    const AppContext& context_;
    QWidget* dialogParent_;
    std::unique_ptr<QPrinter> printer_;
};
