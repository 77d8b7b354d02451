#include "core/report/TBxReport.h"

#include "core/report/ReportControls.h"
#include "core/report/TBxDetailLink.h"

#include <cstdint>
#include <typeinfo>

namespace zelmora::report {

namespace {

constexpr long double InchesPerMM = 0.039370078740157480314L;

// v x dpi / ppi, then + 0.5 and round half to even: a fraction goes up, an exact odd
// integer goes one up too. Every layout ever printed was measured this way.
int scale(int v, int dpi, int ppi)
{
    const long double exact = static_cast<long double>(static_cast<std::int64_t>(v) * dpi) / ppi;
    return roundDevice(exact + 0.5L);
}

} // namespace

TBxReport::TBxReport(TForm* owner, std::string name) : TComponent(owner, std::move(name))
{
    if (owner == nullptr) {
        throw EReportError("This component must be placed on a tForm.");
    }
}

void TBxReport::SetOrientation(TPrinterOrientation value)
{
    if (value != m_orientation) {
        m_orientation = value;
        Printer().SetOrientation(value);
    }
}

void TBxReport::SetPapersize(tPapersize value)
{
    if (value != m_papersize) {
        m_papersize = value;
        Printer().PaperSize = value;
    }
}

bool TBxReport::marginAccepted(int value) const
{
    return value >= 0 && value < PaperSizes(m_papersize).width;
}

void TBxReport::SetLeftMarginMM(int value)
{
    if (marginAccepted(value)) {
        m_leftMarginMM = value;
    }
}

void TBxReport::SetRightMarginMM(int value)
{
    if (marginAccepted(value)) {
        m_rightMarginMM = value;
    }
}

int TBxReport::ScaleX(int v) const
{
    const TBxPrinter& printer = Printer();
    return scale(v, printer.DpiX, printer.platform().pixelsPerInch());
}

int TBxReport::ScaleY(int v) const
{
    const TBxPrinter& printer = Printer();
    return scale(v, printer.DpiY, printer.platform().pixelsPerInch());
}

int TBxReport::LeftMarginPx() const
{
    const TBxPrinter& printer = Printer();
    return roundDevice(printer.DpiX * m_leftMarginMM * InchesPerMM + 0.5L) - printer.OffsetX;
}

int TBxReport::RightMarginPx() const
{
    return roundDevice(Printer().DpiX * m_rightMarginMM * InchesPerMM + 0.5L);
}

void TBxReport::SetFieldText(std::string_view name, std::string_view text)
{
    for (TComponent* component : Owner()->Components()) {
        auto* field = dynamic_cast<TBxField*>(component);
        if (field != nullptr && sameNameIgnoringCase(field->Name(), name)) {
            field->Values.emplace_back(text);
            return;
        }
    }
}

void TBxReport::ResetFields()
{
    for (TComponent* component : Owner()->Components()) {
        if (auto* field = dynamic_cast<TBxField*>(component)) {
            field->Reset();
        }
    }
}

void TBxReport::Print()
{
    TBxPrinter& printer = Printer();
    printer.Preview = false;
    printer.SetOrientation(m_orientation);
    printer.SetTitle(ReportTitle);
    printer.BeginDoc();
    try {
        printer.UpdateMetrics();
        ResetFields();
        Run();
    } catch (...) {
        // A document left open would hold the printer (or the PDF file) forever.
        clearBandLists();
        printer.AbortDoc();
        throw;
    }
    printer.EndDoc();
}

void TBxReport::Run()
{
    collectBands();
    int footerHeight = 0;
    for (const tBxBand* footer : PageFooters.items()) {
        footerHeight += ScaleY(footer->Height);
    }
    BodyLimit = Printer().PrintableHeight() - footerHeight;
    CurrentY = 99999; // the first band to print finds no room and starts a page
    FirstPage = true;

    for (tBxBand* band : Titles.items()) {
        PrintBand(*band);
    }
    for (tBxBand* band : Details.items()) {
        PrintDetailHeaders(band->Tag);
        PrintBand(*band);
        PrintDetailFooters(band->Tag);
    }
    for (tBxBand* band : ReportFooters.items()) {
        PrintBand(*band);
    }
    FinishPage();
    clearBandLists();
}

void TBxReport::collectBands()
{
    clearBandLists();
    tBandList sorted;
    for (TComponent* component : Owner()->Components()) {
        if (typeid(*component) == typeid(tBxBand)) {
            sorted.AddSorted(static_cast<tBxBand*>(component));
        }
    }
    bool havePrevious = false;
    tBxBandType previous = tBxBandType::bxr_Title;
    int group = 0;
    int position = 0;
    for (tBxBand* band : sorted.items()) {
        ++position;
        switch (band->BandType) {
        case tBxBandType::bxr_Title: Titles.AddSorted(band); break;
        case tBxBandType::bxr_PageHeader: PageHeaders.AddSorted(band); break;
        case tBxBandType::bxr_PageFooter: PageFooters.AddSorted(band); break;
        case tBxBandType::bxr_ReportFooter: ReportFooters.AddSorted(band); break;
        case tBxBandType::bxr_DetailHeader:
            band->Tag = position;
            group = position;
            DetailHeaders.AddSorted(band);
            break;
        case tBxBandType::bxr_Detail:
            if (havePrevious && previous == tBxBandType::bxr_DetailHeader) {
                band->Tag = group;
            } else {
                group = position;
            }
            Details.AddSorted(band);
            break;
        case tBxBandType::bxr_NewPage: Details.AddSorted(band); break;
        case tBxBandType::bxr_DetailFooter:
            if (havePrevious && previous == tBxBandType::bxr_Detail) {
                band->Tag = group;
            }
            DetailFooters.AddSorted(band);
            break;
        case tBxBandType::bxr_GroupHeader:
        case tBxBandType::bxr_GroupFooter: break; // printed through their detail link only
        }
        previous = band->BandType;
        havePrevious = true;
    }
}

void TBxReport::clearBandLists()
{
    for (tBandList* list : {&Titles, &PageHeaders, &DetailHeaders, &Details, &DetailFooters, &PageFooters,
                            &ReportFooters}) {
        list->clear();
    }
}

void TBxReport::PrintDetailHeaders(int group) { printGroupBands(DetailHeaders, group); }

void TBxReport::PrintDetailFooters(int group) { printGroupBands(DetailFooters, group); }

void TBxReport::printGroupBands(const tBandList& bands, int group)
{
    if (group == 0) {
        return;
    }
    for (tBxBand* band : bands.items()) {
        if (band->Tag == group) {
            PrintBand(*band);
        }
    }
}

void TBxReport::PrintBand(tBxBand& band)
{
    if (band.BandType == tBxBandType::bxr_NewPage) {
        FinishPage();
        return;
    }
    const bool isDetail = band.BandType == tBxBandType::bxr_Detail;
    TBxDetailLink* link = band.DetailLink();
    do {
        if (CurrentY + ScaleY(band.Height) > BodyLimit) {
            FinishPage();
            StartPage();
            if (isDetail) {
                PrintDetailHeaders(band.Tag);
                if (link != nullptr) {
                    link->CheckGroup(false); // records the row's value: its header follows
                    if (link->GroupHeader != nullptr) {
                        PrintBand(*link->GroupHeader);
                    }
                }
            }
            // Whatever its height, the band now prints on the fresh page: no endless paging.
        }
        if (link != nullptr && link->CheckGroup(false) && link->GroupHeader != nullptr) {
            PrintBand(*link->GroupHeader);
        }
        RenderBand(band);
        if (link != nullptr && link->CheckGroup(true) && link->GroupFooter != nullptr) {
            PrintBand(*link->GroupFooter);
        }
    } while (isDetail && AdvanceControls(band));
}

bool TBxReport::AdvanceControls(tBxBand& band)
{
    bool again = false;
    for (TControl* child : band.Controls()) {
        if (auto* control = dynamic_cast<tBxControl*>(child)) {
            again = control->Next() || again; // every control steps, none is skipped
        }
    }
    return again;
}

void TBxReport::StartPage()
{
    if (!FirstPage) {
        Printer().NewPage();
    }
    FirstPage = false;
    CurrentY = 0;
    for (tBxBand* band : PageHeaders.items()) {
        RenderBand(*band);
    }
}

void TBxReport::FinishPage()
{
    CurrentY = BodyLimit;
    for (tBxBand* band : PageFooters.items()) {
        RenderBand(*band);
    }
}

void TBxReport::RenderBand(tBxBand& band)
{
    TRect area{ScaleX(band.Left) + LeftMarginPx(), CurrentY, ScaleX(band.Width) - RightMarginPx(),
               CurrentY + ScaleY(band.Height) - 1};
    if (band.AltColor) {
        if (band.m_altToggle) {
            ReportCanvas& canvas = Printer().Canvas();
            canvas.brush() = TBrush{band.Color, TBrushStyle::bsSolid};
            canvas.FillRect(area);
        }
        band.m_altToggle = !band.m_altToggle;
    }
    // A copy: printing must not be disturbed by a control changing the band.
    const std::vector<TControl*> children = band.Controls();
    for (TControl* child : children) {
        auto* control = dynamic_cast<tBxControl*>(child);
        if (control == nullptr) {
            continue;
        }
        TRect place{ScaleX(control->Left), ScaleY(control->Top), ScaleX(control->Left + control->Width),
                    ScaleY(control->Top + control->Height)};
        if (const auto* label = dynamic_cast<const TBxLabel*>(control)) {
            AdjustLabelRect(*label, place);
        }
        place.offset(area.Left, area.Top);
        switch (band.ClipMode) {
        case tClipMode::cm_Clip:
            if (const auto visible = IntersectRect(place, area)) {
                control->Print(*visible);
            }
            break;
        case tClipMode::cm_Expand:
            if (const auto grown = UnionRect(area, place)) {
                area = *grown;
            }
            control->Print(place);
            break;
        case tClipMode::cm_Overwrite: control->Print(place); break;
        }
    }
    CurrentY = area.Bottom + 1;
}

} // namespace zelmora::report
