#include "core/report/TBxDetailLink.h"

namespace zelmora::report {

void TBxDetailLink::SetGroupBand(tBxBand* band)
{
    if (band == nullptr) {
        return;
    }
    // A band no longer watched must not keep printing this link's group bands.
    if (m_groupBand != nullptr && m_groupBand != band && m_groupBand->m_detailLink == this) {
        m_groupBand->m_detailLink = nullptr;
    }
    m_groupBand = band;
    band->m_detailLink = this;
}

bool TBxDetailLink::CheckGroup(bool lookAhead)
{
    if (DataSource == nullptr) {
        return false;
    }
    if (lookAhead) {
        return m_lastValue != DataSource->PeekNextText();
    }
    std::string current = DataSource->PrintText();
    const bool changed = m_lastValue != current;
    m_lastValue = std::move(current);
    return changed;
}

} // namespace zelmora::report
