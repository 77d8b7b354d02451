#include "gui/report/QtReportPrinter.h"

#include "core/base/Cp1252.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace zelmora::gui {

using namespace zelmora::report;

namespace {

std::string forUser(const QString& text) { return cp1252::forDisplay(text.toStdString()); }

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
    m_printer.setOutputFileName(QString::fromStdString(file.string()));
    m_printer.setResolution(600);
    // A PDF page has no unprintable edge: the whole sheet is the printable area.
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool QtReportPrinter::printsToFile() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
}

std::optional<std::string> QtReportPrinter::fileProblem() const
{
    const QString name = m_printer.outputFileName();
    const bool existed = QFile::exists(name);
    QFile probe(name);
    if (!probe.open(QIODevice::Append)) { // Append: an existing file is left as it is
        return forUser(QStringLiteral("Cannot write %1: %2").arg(name, probe.errorString()));
    }
    probe.close();
    if (!existed) {
        probe.remove();
    }
    return std::nullopt;
}

void QtReportPrinter::BeginDoc()
{
    m_pageNumber = 0;
    // Asked first, so that the user reads the system's reason rather than a general one.
    if (printsToFile()) {
        if (std::optional<std::string> problem = fileProblem()) {
            throw EPrinterError(*problem);
        }
    }
    if (!m_painter.begin(&m_printer)) {
        if (printsToFile()) {
            throw EPrinterError(forUser(QStringLiteral("Cannot write %1.").arg(m_printer.outputFileName())));
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
    const bool ended = m_painter.end();
    if (!ended || m_printer.printerState() == QPrinter::Error) {
        throw EPrinterError("The print system could not complete the document.");
    }
}

void QtReportPrinter::Abort()
{
    m_canvas.reset();
    const bool toFile = printsToFile();
    m_printer.abort();
    if (m_painter.isActive()) {
        m_painter.end();
    }
    if (toFile) {
        QFile::remove(m_printer.outputFileName()); // half a document is no document
    }
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
