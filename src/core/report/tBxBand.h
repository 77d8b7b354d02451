#pragma once
// A band: one horizontal strip of a report form, of a kind that decides when the run
// prints it, carrying report controls as its children.

#include "core/report/ReportForm.h"

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

// How a band treats controls that reach past its edges.
enum class tClipMode { cm_Clip, cm_Expand, cm_Overwrite };

class tBxBand : public TWinControl {
public:
    tBxBand(TForm* owner, std::string name);

    // A band sits on a form or on nothing.
    void SetParent(TWinControl* parent) override;

    // The link whose GroupBand this band is, if any.
    TBxDetailLink* DetailLink() const { return m_detailLink; }

    TColor Color = clWhite;
    tBxBandType BandType = tBxBandType::bxr_Title;
    bool AltColor = false;
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
