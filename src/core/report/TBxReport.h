#pragma once
// TBxReport: the page set-up of one report form and the run that lays the form's bands
// out on the pages of the form's printer: titles once, page headers and footers on every
// page, detail bands once per data row, with page breaks where a band no longer fits.

#include "core/report/TBxPrinter.h"
#include "core/report/tBxBand.h"

#include <string>
#include <string_view>

namespace zelmora::report {

class TBxReport : public TComponent {
public:
    TBxReport(TForm* owner, std::string name);

    // Prints the report as one document on the system printer. An error part way ends
    // the document unprinted and reaches the caller.
    void Print();
    // Appends `text` to the values of the first data field of that name (case aside).
    void SetFieldText(std::string_view name, std::string_view text);
    // Rewinds every data field of the form to its first value.
    void ResetFields();
    TBxPrinter& Printer() const { return Owner()->Printer(); }

    TPrinterOrientation Orientation() const { return m_orientation; }
    tPapersize Papersize() const { return m_papersize; }
    int LeftMarginMM() const { return m_leftMarginMM; }
    int RightMarginMM() const { return m_rightMarginMM; }
    void SetOrientation(TPrinterOrientation value);
    void SetPapersize(tPapersize value);
    // Margins outside 0 to the paper's portrait width - 1 mm are ignored.
    void SetLeftMarginMM(int value);
    void SetRightMarginMM(int value);

    std::string ReportTitle;

    // Design pixels to device pixels, rounding as the layout has always been measured.
    int ScaleX(int v) const;
    int ScaleY(int v) const;
    int LeftMarginPx() const;
    int RightMarginPx() const;

    // State of the current (or last) run.
    int CurrentY = 0;
    int BodyLimit = 0;
    bool FirstPage = true;
    tBandList Titles;
    tBandList PageHeaders;
    tBandList DetailHeaders;
    tBandList Details;
    tBandList DetailFooters;
    tBandList PageFooters;
    tBandList ReportFooters;

private:
    bool marginAccepted(int value) const;
    void Run();
    void collectBands();
    void clearBandLists();
    void PrintBand(tBxBand& band);
    void RenderBand(tBxBand& band);
    void StartPage();
    void FinishPage();
    void PrintDetailHeaders(int group);
    void PrintDetailFooters(int group);
    // Prints the bands of `bands` whose group number is `group` (0: none).
    void printGroupBands(const tBandList& bands, int group);
    bool AdvanceControls(tBxBand& band);

    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
    tPapersize m_papersize = tPapersize::bxr_A4;
    int m_leftMarginMM = 0;
    int m_rightMarginMM = 0;
};

} // namespace zelmora::report
