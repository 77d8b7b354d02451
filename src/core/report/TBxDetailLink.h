#pragma once
// TBxDetailLink: ties a group header and a group footer to one detail band; the group
// changes whenever the watched data field's text changes from one row to the next.

#include "core/report/ReportControls.h"
#include "core/report/tBxBand.h"

#include <string>

namespace zelmora::report {

// Links and bands live and die together with their form, so neither unhooks the other.
class TBxDetailLink : public TComponent {
public:
    TBxDetailLink(TForm* owner, std::string name) : TComponent(owner, std::move(name)) {}

    tBxBand* GroupHeader = nullptr;
    tBxBand* GroupFooter = nullptr;
    TBxField* DataSource = nullptr;

    tBxBand* GroupBand() const { return m_groupBand; }
    // Watches `band`, which then points back to this link; none leaves the link as it is.
    void SetGroupBand(tBxBand* band);

    // Whether the group changes: with `lookAhead`, between this row and the next (nothing
    // is recorded); otherwise between the last recorded value and this row, which is
    // then recorded.
    bool CheckGroup(bool lookAhead);

    const std::string& LastValue() const { return m_lastValue; }

private:
    tBxBand* m_groupBand = nullptr;
    std::string m_lastValue;
};

} // namespace zelmora::report
