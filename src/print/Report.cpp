#include "print/Report.h"

#include "print/ReportFonts.h"
#include "print/ReportTexts.h"
#include "print/TwipsPage.h"

#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// Column positions in grid units.
namespace Column {
constexpr int ChannelNumber = 4;
constexpr int Label = 5;
constexpr int FooterOwner = 10;
constexpr int Title = 6;
constexpr int OptionLabel = 9;
constexpr int LeftValue = 22;
constexpr int OptionValue = 35;
constexpr int RightLabel = 36;
constexpr int FooterPage = 45;
constexpr int RightValue = 55;
constexpr int RuleRight = 60;
} // namespace Column

constexpr int FooterLine = 36;     // in large-font lines from the top
constexpr int FunctionLine = 4;    // in small-font lines
constexpr int FirstOptionLine = 5; // in small-font lines
constexpr int LinesPerChannel = 5;

void drawRules(TwipsPage& page, int l1)
{
    const int left = Column::Label * page.unitWidth();
    const int right = Column::RuleRight * page.unitWidth();
    page.drawHorizontalLine(left, right, -(2 * l1 + 50));
    page.drawHorizontalLine(left, right, -(2 * l1 + 120));
    page.drawHorizontalLine(left, right, -FooterLine * l1 + l1 / 2);
}

void drawOptionsPage(TwipsPage& page, const ReportFonts& fonts, const ReportInput& input, int l1)
{
    const int w = page.unitWidth();
    const ReportLabels& labels = reportLabels(input.language);
    page.drawText(Column::Title * w, -l1, labels.optionTitle);
    page.setFont(fonts.small);
    const int l2 = page.lineHeight();
    page.drawText(Column::Title * w, -FunctionLine * l2, labels.functionHeading);
    int line = FirstOptionLine;
    for (const OptionLine& option : optionLines(input.image, input.language)) {
        page.drawText(Column::OptionLabel * w, -line * l2, option.label);
        page.drawText(Column::OptionValue * w, -line * l2, option.value);
        ++line;
    }
}

void drawChannelBlock(TwipsPage& page, const ReportLabels& labels, const ChannelTexts& cells, int channel,
                      int top, int l2)
{
    const int w = page.unitWidth();
    const auto& row = cells[channel];
    page.drawText(Column::ChannelNumber * w, top - 4 * l2, labels.channelNumber.arg(channel));
    const struct {
        const QString& leftLabel;
        int leftColumn;
        const QString& rightLabel;
        int rightColumn;
    } lines[] = {
        {labels.receiveFrequency, GridColumn::RxFrequency, labels.transmitFrequency, GridColumn::TxFrequency},
        {labels.decodeTone, GridColumn::DecodeTone, labels.encodeTone, GridColumn::EncodeTone},
        {labels.bandwidth, GridColumn::Bandwidth, labels.scan, GridColumn::Scan},
    };
    int y = top - 5 * l2;
    for (const auto& line : lines) {
        page.drawText(Column::Label * w, y, line.leftLabel);
        page.drawText(Column::LeftValue * w, y, row[line.leftColumn]);
        page.drawText(Column::RightLabel * w, y, line.rightLabel);
        page.drawText(Column::RightValue * w, y, row[line.rightColumn]);
        y -= l2;
    }
}

void drawChannelPage(TwipsPage& page, const ReportFonts& fonts, int pageNumber, const ReportInput& input,
                     ReportPagination& pagination, int l1)
{
    pagination.recount(input.cells, input.variant);
    const ReportLabels& labels = reportLabels(input.language);
    page.drawText(Column::Title * page.unitWidth(), -l1, labels.channelTitle);
    page.setFont(fonts.small);
    const int l2 = page.lineHeight();
    int block = 0;
    for (int channel = pagination.firstChannelOf(pageNumber); channel <= pagination.lastChannelOf(pageNumber);
         ++channel) {
        if (!isChannelPrinted(input.cells, channel, input.variant))
            continue;
        drawChannelBlock(page, labels, input.cells, channel, -LinesPerChannel * block * l2, l2);
        ++block;
    }
}

void drawFooter(TwipsPage& page, int l1, int pageNumber, int pageCount, const QString& owner)
{
    const int y = -FooterLine * l1;
    page.drawText(Column::FooterOwner * page.unitWidth(), y, owner);
    page.drawText(Column::FooterPage * page.unitWidth(), y, pageFooterText(pageNumber, pageCount));
}

} // namespace

void drawReportPage(QPainter& painter, const QRect& printableArea, int page, const ReportInput& input,
                    ReportPagination& pagination)
{
    TwipsPage twips(painter, printableArea);
    const ReportFonts fonts(twips.unitWidth(), twips.unitHeight());
    twips.setFont(fonts.large);
    const int l1 = twips.lineHeight();
    drawRules(twips, l1);
    if (page == 1)
        drawOptionsPage(twips, fonts, input, l1);
    else
        drawChannelPage(twips, fonts, page, input, pagination, l1);
    drawFooter(twips, l1, page, pagination.pageCount(), input.copyrightsOwner);
}

bool printReport(QPagedPaintDevice& device, const ReportInput& input, ReportPagination& pagination)
{
    pagination.prepare(input.cells, input.variant);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect printableArea(0, 0, device.width(), device.height());
    const QPageRanges ranges = device.pageRanges();
    bool firstPrinted = true;
    for (int page = 1; page <= pagination.pageCount(); ++page) {
        if (!ranges.isEmpty() && !ranges.contains(page))
            continue;
        if (!firstPrinted && !device.newPage())
            return false;
        firstPrinted = false;
        drawReportPage(painter, printableArea, page, input, pagination);
    }
    return painter.end();
}
