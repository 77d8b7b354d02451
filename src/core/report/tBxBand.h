#pragma once
// A band: one horizontal strip of a report form, of a kind that decides when the run
// prints it, carrying report controls as its children.

#include "report/ReportForm.h"

#include <array>
#include <string_view>
#include <vector>

namespace zelmora::report {

class TBxDetailLink;

enum class tBxBandType {
    bxr_Title,
    bxr_PageHeader,
    bxr_DetailHeader,
    bxr_Detail,
    bxr_DetailFooter,
    bxr_PageFooter,
    bxr_ReportFooter,
    bxr_NewPage,
    bxr_GroupHeader,
    bxr_GroupFooter,
};

inline constexpr std::array<std::string_view, 10> BandTypeNames = {
    "Title", "PageHeader", "DetailHeader", "Detail", "DetailFooter",
    "PageFooter", "ReportFooter", "New Page", "GroupHeader", "GroupFooter"};

// How a band treats controls that reach past its edges.
enum class tClipMode { cm_Clip, cm_Expand, cm_Overwrite };
// The centimetre rulers a band shows in a form designer.
enum class tBxRulerType { bxr_none, bxr_cmH, bxr_cmHV, bxr_cmV };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class tBxBand : public TWinControl {
public:
    tBxBand(TForm* owner, std::string name);

    // A band sits on a form or on nothing.
    void SetParent(TWinControl* parent) override;

    // The link whose GroupBand this band is, if any.
    TBxDetailLink* DetailLink() const { return m_detailLink; }

    TAlign Align = TAlign::alTop;
    TColor Color = clWhite;
    bool Enabled = true;
    tBxBandType BandType = tBxBandType::bxr_Title;
    bool AltColor = false;
    tBxRulerType Ruler = tBxRulerType::bxr_cmHV;
    tClipMode ClipMode = tClipMode::cm_Clip;

private:
    friend class TBxDetailLink;
    friend class TBxReport;
    bool m_altToggle = false; // whether the next rendering of an AltColor band is filled
    TBxDetailLink* m_detailLink = nullptr;
};

// Bands in ascending Top; bands of equal Top keep the order in which they were added.
class tBandList {
public:
    void AddSorted(tBxBand* band);
    const std::vector<tBxBand*>& items() const { return m_bands; }
    void clear() { m_bands.clear(); }

private:
    std::vector<tBxBand*> m_bands;
};

} // namespace zelmora::report
