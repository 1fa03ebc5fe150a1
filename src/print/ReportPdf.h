#pragma once

#include "print/ReportInput.h"
#include "print/ReportPagination.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>
#include <optional>

// The report as the bytes of a PDF file. It is drawn in memory so that the file can be
// written whole through the program's file writer: a PDF engine writing the file itself
// would cut an old file short and never notice a full disk. nullopt when the report
// could not be drawn.
std::optional<QByteArray> reportPdf(const ReportInput& input, const QPageLayout& layout, const QString& title,
                                    ReportPagination& pagination, const QPageRanges& pages = {});
