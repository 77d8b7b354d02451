#pragma once
// TPrtForm: the friend card report. A page header with the title and a rule, one detail
// band that prints a card per friend filled in, and a page footer with the product line
// and the date and time of printing.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"
#include "core/report/ReportControls.h"
#include "core/report/ReportGraphics.h"
#include "core/report/TBxReport.h"

#include <array>
#include <cstdint>
#include <span>

namespace zelmora::report {

class TPrtForm : public TForm {
public:
    // The layout with its captions in `language`, printing on `printer`.
    TPrtForm(Language language, TBxPrinter& printer);

    // Captions of the labels in the language (the e-mail and product lines never change).
    void ApplyLanguage(Language language);
    // Appends the texts of friend `slot` to the fourteen data fields: one card more.
    void FillCardFields(const FriendTable& table, std::uint16_t slot);
    // Empties the data fields, so that no card of an earlier print is printed again.
    void ClearCardFields();
    // Prints the cards of `friendSlots`, in that order, as one document. A failure of the
    // engine or of the print system comes back with its message, never as an exception.
    Status printCards(const FriendTable& table, std::span<const std::uint16_t> friendSlots);

    static constexpr int LabelCount = 14;
    static constexpr int FieldCount = 14;
    // BxLabel1 to BxLabel14 and BxField1 to BxField14, by number.
    TBxLabel& BxLabel(int number) const { return *m_labels.at(static_cast<std::size_t>(number)); }
    TBxField& BxField(int number) const { return *m_fields.at(static_cast<std::size_t>(number)); }

    TBxReport& BxReport1;
    tBxBand& tBxBand1;
    tBxBand& tBxBand2;
    tBxBand& tBxBand3;
    TBxShape& BxShape1;
    TBxShape& BxShape2;
    TBxSysField& BxSysField1;

private:
    tBxBand& addBand(const char* name, tBxBandType type, int top, int height);
    TBxShape& addRule(tBxBand& band, const char* name, int top);

    std::array<TBxLabel*, LabelCount + 1> m_labels{};
    std::array<TBxField*, FieldCount + 1> m_fields{};
};

} // namespace zelmora::report
