#pragma once
// Everything the report engine needs of Qt: the printer, QPicture pages for preview
// mode, the design resolution, and the clock and date formats of the system.

#include "core/platform/Clock.h"
#include "gui/report/QtReportCanvas.h"
#include "gui/report/QtReportPrinter.h"
#include "core/report/ReportDevice.h"

#include <QPainter>
#include <QPicture>

namespace zelmora::gui {

// A preview page recorded as a QPicture.
class QtMetafile : public report::MetafileRecorder {
public:
    QtMetafile(int width, int height);
    ~QtMetafile() override;

    report::ReportCanvas& open() override;
    void close() override;
    const QPicture& picture() const { return m_picture; }

private:
    QRect m_bounds;
    QPicture m_picture;
    QPainter m_painter;
    std::unique_ptr<QtReportCanvas> m_canvas;
};

class QtPrintPlatform : public report::BxPlatform {
public:
    // Report layouts are measured in pixels of a 96 dpi screen, whatever the screen.
    static constexpr int DesignPixelsPerInch = 96;

    explicit QtPrintPlatform(const Clock& clock) : m_clock(clock) {}

    QtReportPrinter& qtPrinter() { return m_printer; }

    report::ReportPrinter& printer() override { return m_printer; }
    std::unique_ptr<report::MetafileRecorder> createMetafile(int width, int height) override;
    int pixelsPerInch() const override { return DesignPixelsPerInch; }
    LocalDateTime now() const override { return m_clock.now(); }
    std::string shortDate(const LocalDate& date) const override;
    std::string longTime(const LocalDateTime& moment) const override;

private:
    const Clock& m_clock;
    QtReportPrinter m_printer;
};

// The system's long time format without its time zone: a time of day, as on the desktop.
QString longTimeFormat(const QString& format);

} // namespace zelmora::gui
