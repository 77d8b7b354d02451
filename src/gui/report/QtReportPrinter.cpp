#include "gui/report/QtReportPrinter.h"

#include "core/base/Cp1252.h"
#include "core/platform/FileReader.h"

#include <QFile>
#include <QMarginsF>

#include <algorithm>
#include <QPageLayout>
#include <QPageSize>

namespace zelmora::gui {

using namespace zelmora::report;

namespace {

std::string forUser(const QString& text) { return cp1252::forDisplay(text.toStdString()); }


// A PDF ends with its end-of-file marker: a file cut short by a full disk does not, and
// the print system does not report the write errors that cut it.
bool isCompletePdf(const std::filesystem::path& file)
{
    QFile pdf(fromPath(file));
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() < 5) {
        return false;
    }
    pdf.seek(std::max<qint64>(0, pdf.size() - 32));
    return pdf.readAll().trimmed().endsWith("%%EOF");
}

} // namespace

QtReportPrinter::QtReportPrinter() = default;

QtReportPrinter::~QtReportPrinter()
{
    if (m_painter.isActive()) {
        Abort();
    }
}

void QtReportPrinter::printToPdf(const std::filesystem::path& file)
{
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(fromPath(file));
    m_printer.setResolution(600);
    // A PDF page has no unprintable edge: the whole sheet is the printable area.
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool QtReportPrinter::printsToFile() const { return !m_printer.outputFileName().isEmpty(); }

void QtReportPrinter::startPendingFile()
{
    m_outputFile = m_printer.outputFileName();
    if (const Status opened = m_pending.open(toPath(m_outputFile)); !opened.ok) {
        m_outputFile.clear();
        throw EPrinterError(opened.message);
    }
    m_printer.setOutputFileName(fromPath(m_pending.path()));
}

void QtReportPrinter::commitPendingFile(bool printSystemEnded)
{
    const std::filesystem::path target = toPath(m_outputFile);
    if (!printSystemEnded) {
        dropPendingFile();
        throw EPrinterError("The print system could not complete the document.");
    }
    if (!isCompletePdf(m_pending.path())) {
        const std::string reason = m_pending.whyNotWritable();
        dropPendingFile();
        throw EPrinterError(fileMessage("cannot write", target, reason));
    }
    m_printer.setOutputFileName(m_outputFile);
    m_outputFile.clear();
    if (const Status committed = m_pending.commit(); !committed.ok) {
        throw EPrinterError(committed.message);
    }
}

void QtReportPrinter::dropPendingFile()
{
    m_pending.discard();
    if (!m_outputFile.isEmpty()) {
        m_printer.setOutputFileName(m_outputFile);
        m_outputFile.clear();
    }
}

void QtReportPrinter::BeginDoc()
{
    m_pageNumber = 0;
    const bool toFile = printsToFile();
    if (toFile) {
        startPendingFile();
    }
    if (!m_painter.begin(&m_printer)) {
        if (toFile) {
            const QString name = m_outputFile;
            dropPendingFile();
            throw EPrinterError(forUser(QStringLiteral("Cannot write %1.").arg(name)));
        }
        if (m_printer.printerName().isEmpty()) {
            throw EPrinterError("No printer is installed.");
        }
        throw EPrinterError(
            forUser(QStringLiteral("The printer %1 could not start the document.").arg(m_printer.printerName())));
    }
    m_canvas = std::make_unique<QtReportCanvas>(m_painter);
    m_pageNumber = 1;
}

void QtReportPrinter::EndDoc()
{
    m_canvas.reset();
    const bool ended = m_painter.end() && m_printer.printerState() != QPrinter::Error;
    if (m_pending.isOpen()) {
        commitPendingFile(ended);
    } else if (!ended) {
        throw EPrinterError("The print system could not complete the document.");
    }
}

void QtReportPrinter::Abort()
{
    m_canvas.reset();
    m_printer.abort();
    if (m_painter.isActive()) {
        m_painter.end();
    }
    dropPendingFile(); // half a document is no document
}

void QtReportPrinter::NewPage()
{
    if (!m_printer.newPage()) {
        throw EPrinterError("The print system could not start a new page.");
    }
    ++m_pageNumber;
}

ReportCanvas& QtReportPrinter::Canvas()
{
    if (!m_canvas) {
        throw EPrinterError("The printer has no document open.");
    }
    return *m_canvas;
}

int QtReportPrinter::PageHeight() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
}

void QtReportPrinter::setOrientation(TPrinterOrientation orientation)
{
    m_printer.setPageOrientation(orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
}

void QtReportPrinter::setTitle(std::string_view title) { m_printer.setDocName(fromCp1252(title)); }

TPoint QtReportPrinter::resolution() const { return {m_printer.resolution(), m_printer.resolution()}; }

TPoint QtReportPrinter::printingOffset() const
{
    const QPageLayout layout = m_printer.pageLayout();
    const QPoint offset = layout.paintRectPixels(m_printer.resolution()).topLeft()
                        - layout.fullRectPixels(m_printer.resolution()).topLeft();
    return {offset.x(), offset.y()};
}

TPoint QtReportPrinter::physicalPageSize() const
{
    const QRect full = m_printer.pageLayout().fullRectPixels(m_printer.resolution());
    return {full.width(), full.height()};
}

} // namespace zelmora::gui
