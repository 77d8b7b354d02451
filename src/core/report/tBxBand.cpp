#include "core/report/tBxBand.h"

#include <algorithm>

namespace zelmora::report {

tBxBand::tBxBand(TForm* owner, std::string name) : TWinControl(owner, std::move(name)) {}

void tBxBand::SetParent(TWinControl* parent)
{
    if (parent != nullptr && dynamic_cast<TForm*>(parent) == nullptr) {
        throw EReportError("This component must be placed on a tForm.");
    }
    assignParent(parent);
}

void tBandList::AddSorted(tBxBand* band)
{
    const auto later = std::find_if(m_bands.begin(), m_bands.end(),
                                    [band](const tBxBand* listed) { return listed->Top > band->Top; });
    m_bands.insert(later, band);
}

} // namespace zelmora::report
