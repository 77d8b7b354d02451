#pragma once
// What the report engine needs of the platform: the printer with its document, pages
// and metrics, recorded pages for preview mode, the screen's resolution, and the
// clock and date formats that system fields print.

#include "core/platform/Clock.h"
#include "core/report/ReportCanvas.h"

#include <memory>
#include <string>
#include <string_view>

namespace zelmora::report {

// The system printer. Failures of the print system throw EPrinterError.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    virtual void BeginDoc() = 0;
    virtual void EndDoc() = 0;
    // Ends the document without printing it, when a run fails part way.
    virtual void Abort() = 0;
    virtual void NewPage() = 0;
    // The canvas of the current page, origin at the top-left of the printable area.
    virtual ReportCanvas& Canvas() = 0;
    // Height of the printable area in device pixels.
    virtual int PageHeight() const = 0;
    virtual int PageNumber() const = 0;
    virtual void setOrientation(TPrinterOrientation orientation) = 0;
    virtual void setTitle(std::string_view title) = 0;

    // Device pixels per inch, horizontally and vertically.
    virtual TPoint resolution() const = 0;
    // Where the printable area starts, from the paper's top-left corner.
    virtual TPoint printingOffset() const = 0;
    virtual TPoint physicalPageSize() const = 0;
};

// One recorded page; recording happens between open() and close().
class MetafileRecorder {
public:
    virtual ~MetafileRecorder() = default;
    virtual ReportCanvas& open() = 0;
    virtual void close() = 0;
};

class BxPlatform {
public:
    virtual ~BxPlatform() = default;

    virtual ReportPrinter& printer() = 0;
    // A recorder for a page of width x height pixels; nothing when none can be made.
    virtual std::unique_ptr<MetafileRecorder> createMetafile(int width, int height) = 0;
    // Design pixels per inch: the resolution report layouts are measured in.
    virtual int pixelsPerInch() const = 0;

    virtual LocalDateTime now() const = 0;
    // The system's short date and long time formats, as Windows-1252 text.
    virtual std::string shortDate(const LocalDate& date) const = 0;
    virtual std::string longTime(const LocalDateTime& moment) const = 0;
};

} // namespace zelmora::report
