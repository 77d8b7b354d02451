#pragma once
// The report engine's printer over a QPrinter: a printer of the platform's print system
// or a PDF file. Failures of the print system become EPrinterError with a message for
// the user. A PDF file is printed into a temporary beside it and takes the file's place
// only once the document is complete, so a failure or a kill leaves the old file as it was.

#include "gui/report/QtReportCanvas.h"
#include "core/platform/PendingFile.h"
#include "core/report/ReportDevice.h"

#include <QPainter>
#include <QPrinter>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zelmora::gui {

class QtReportPrinter : public report::ReportPrinter {
public:
    QtReportPrinter();
    ~QtReportPrinter() override;

    // The printer the print dialog sets up.
    QPrinter& qprinter() { return m_printer; }
    // Sets the printer up to write `file` as a PDF of whole A4 pages at 600 dpi.
    void printToPdf(const std::filesystem::path& file);

    void BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    void NewPage() override;
    report::ReportCanvas& Canvas() override;
    int PageHeight() const override;
    int PageNumber() const override { return m_pageNumber; }
    void setOrientation(report::TPrinterOrientation orientation) override;
    void setTitle(std::string_view title) override;
    report::TPoint resolution() const override;
    report::TPoint printingOffset() const override;
    report::TPoint physicalPageSize() const override;

private:
    bool printsToFile() const;
    // Points the QPrinter at a temporary for the file it was given.
    void startPendingFile();
    // Puts the finished temporary in the file's place, or throws why it is not done.
    void commitPendingFile(bool printSystemEnded);
    // Discards the temporary; the QPrinter shows the user's file name again.
    void dropPendingFile();

    PendingFile m_pending;
    QString m_outputFile; // the user's file while the QPrinter writes the temporary

    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
    std::unique_ptr<QtReportCanvas> m_canvas;
    int m_pageNumber = 0;
};

} // namespace zelmora::gui
