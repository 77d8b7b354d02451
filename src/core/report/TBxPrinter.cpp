#include "core/report/TBxPrinter.h"

#include <cmath>
#include <memory>

namespace zelmora::report {

PaperSizeMM PaperSizes(tPapersize size)
{
    switch (size) {
    case tPapersize::bxr_A4: return {210, 297};
    case tPapersize::bxr_A5: return {148, 210};
    case tPapersize::bxr_Legal: return {215, 355};
    case tPapersize::bxr_Letter: return {215, 279};
    }
    return {210, 297};
}

int roundDevice(long double value) { return static_cast<int>(std::nearbyint(value)); }

TBxPrinter::TBxPrinter(BxPlatform& platform) : m_platform(platform) { UpdateMetrics(); }

TBxPrinter::~TBxPrinter()
{
    if (CurrentPage != nullptr) {
        CurrentPage->StopDrawing();
    }
    Pages.ClearPages();
}

void TBxPrinter::UpdateMetrics()
{
    if (Preview) {
        const int ppi = m_platform.pixelsPerInch();
        DpiX = ppi;
        DpiY = ppi;
        const PaperSizeMM paper = PaperSizes(PaperSize);
        const int width = roundDevice(static_cast<long double>(paper.width) * ppi / 25.4L);
        const int height = roundDevice(static_cast<long double>(paper.height) * ppi / 25.4L);
        const bool portrait = Orientation == TPrinterOrientation::poPortrait;
        PaperWidthPx = portrait ? width : height;
        PaperHeightPx = portrait ? height : width;
        OffsetX = 0;
        OffsetY = 0;
        return;
    }
    const ReportPrinter& printer = m_platform.printer();
    const TPoint resolution = printer.resolution();
    DpiX = resolution.X;
    DpiY = resolution.Y;
    const TPoint offset = printer.printingOffset();
    OffsetX = offset.X;
    OffsetY = offset.Y;
    const TPoint paper = printer.physicalPageSize();
    PaperWidthPx = paper.X;
    PaperHeightPx = paper.Y;
}

void TBxPrinter::BeginDoc()
{
    if (Preview) {
        Pages.ClearPages();
        CurrentPage = nullptr;
    } else {
        m_platform.printer().BeginDoc();
    }
}

void TBxPrinter::EndDoc()
{
    if (Preview) {
        if (CurrentPage != nullptr) {
            CurrentPage->StopDrawing();
        }
        CurrentPage = nullptr;
    } else {
        m_platform.printer().EndDoc();
    }
}

void TBxPrinter::AbortDoc()
{
    if (Preview) {
        EndDoc();
    } else {
        m_platform.printer().Abort();
    }
}

void TBxPrinter::NewPage()
{
    if (!Preview) {
        m_platform.printer().NewPage();
        return;
    }
    if (CurrentPage != nullptr) {
        CurrentPage->StopDrawing();
        CurrentPage = nullptr;
    }
    std::unique_ptr<MetafileRecorder> recorder = m_platform.createMetafile(PaperWidthPx, PaperHeightPx);
    if (!recorder) {
        return; // Canvas() reports it
    }
    auto page = std::make_unique<TDrawMetaFile>(PaperWidthPx, PaperHeightPx, std::move(recorder));
    CurrentPage = page.get();
    Pages.add(std::move(page));
}

ReportCanvas& TBxPrinter::Canvas()
{
    if (!Preview) {
        return m_platform.printer().Canvas();
    }
    if (CurrentPage == nullptr) {
        NewPage();
    }
    if (CurrentPage == nullptr || CurrentPage->Canvas() == nullptr) {
        throw EReportError("BxPrinter could not assign the Canvas");
    }
    return *CurrentPage->Canvas();
}

int TBxPrinter::PrintableHeight() const { return Preview ? PaperHeightPx : m_platform.printer().PageHeight(); }

int TBxPrinter::PageNumber() const
{
    return Preview ? static_cast<int>(Pages.size()) : m_platform.printer().PageNumber();
}

void TBxPrinter::SetOrientation(TPrinterOrientation orientation)
{
    Orientation = orientation;
    if (!Preview) {
        m_platform.printer().setOrientation(orientation);
    }
    UpdateMetrics();
}

void TBxPrinter::SetTitle(std::string_view title)
{
    Title = title;
    if (!Preview) {
        m_platform.printer().setTitle(title);
    }
}

} // namespace zelmora::report
