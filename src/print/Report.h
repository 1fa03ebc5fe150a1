#pragma once

#include "print/ReportInput.h"
#include "print/ReportPagination.h"

#include <QRect>

class QPagedPaintDevice;
class QPainter;

// Draws one page (1 = options, 2 and 3 = channels) of the report. printableArea is in the
// device pixels of the painter's device; the page is laid out in twips inside it. Channel
// pages count the channels again from input.cells first.
void drawReportPage(QPainter& painter, const QRect& printableArea, int page, const ReportInput& input,
                    ReportPagination& pagination);

// Prints the whole report onto a printer or PDF writer: counts the channels (fixing the
// page count), then draws the pages the device's page ranges select (all when none are
// set). False when the device cannot be painted on or refuses a new page.
bool printReport(QPagedPaintDevice& device, const ReportInput& input, ReportPagination& pagination);
