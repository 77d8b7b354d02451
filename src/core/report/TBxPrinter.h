#pragma once
// TBxPrinter: the output device of every report, either the system printer (printer
// mode) or recorded pages (preview mode), with the device metrics the layout needs.
// Whoever prints owns one, over its platform, and gives it to the report forms.

#include "core/report/DrawMeta.h"
#include "core/report/ReportDevice.h"

#include <string>
#include <string_view>

namespace zelmora::report {

enum class tPapersize { bxr_A4, bxr_A5, bxr_Legal, bxr_Letter };

struct PaperSizeMM {
    int width;
    int height;
};
// Portrait sizes in whole millimetres.
PaperSizeMM PaperSizes(tPapersize size);

// Round half to even of an extended-precision value, the rounding of every device value.
int roundDevice(long double value);

class TBxPrinter {
public:
    explicit TBxPrinter(BxPlatform& platform);
    ~TBxPrinter();
    TBxPrinter(const TBxPrinter&) = delete;
    TBxPrinter& operator=(const TBxPrinter&) = delete;

    void UpdateMetrics();
    void BeginDoc();
    void EndDoc();
    // Ends an interrupted document without printing it.
    void AbortDoc();
    void NewPage();
    ReportCanvas& Canvas();
    int PrintableHeight() const;
    int PageNumber() const;
    void SetOrientation(TPrinterOrientation orientation);
    void SetTitle(std::string_view title);

    BxPlatform& platform() const { return m_platform; }

    bool Preview = true;
    tPages Pages;
    TDrawMetaFile* CurrentPage = nullptr;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    int OffsetX = 0;
    int OffsetY = 0;
    int PaperWidthPx = 0;
    int PaperHeightPx = 0;
    int DpiY = 0;
    int DpiX = 0;
    tPapersize PaperSize = tPapersize::bxr_A4;
    std::string Title;

private:
    BxPlatform& m_platform;
};

} // namespace zelmora::report
