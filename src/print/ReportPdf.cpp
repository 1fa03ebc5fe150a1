#include "print/ReportPdf.h"

#include "print/Report.h"

#include <QBuffer>
#include <QPdfWriter>

std::optional<QByteArray> reportPdf(const ReportInput& input, const QPageLayout& layout, const QString& title,
                                    ReportPagination& pagination, const QPageRanges& pages)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("XR-970 Programmer"));
        writer.setPageLayout(layout);
        writer.setPageRanges(pages);
        if (!printReport(writer, input, pagination))
            return std::nullopt;
    }
    return pdf.data();
}
