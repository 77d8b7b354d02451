#pragma once
// Small builders of report forms for the engine tests.

#include "core/report/Bxrep.h"

#include <string>

namespace zelmora::test {

using namespace zelmora::report;

inline tBxBand& addBand(TForm& form, const std::string& name, tBxBandType type, int top, int height)
{
    tBxBand& band = form.create<tBxBand>(name);
    band.SetParent(&form);
    band.BandType = type;
    band.Top = top;
    band.Height = height;
    band.Width = 794;
    return band;
}

template <class Control>
Control& addControl(TForm& form, tBxBand& band, const std::string& name, int left, int top, int width = 60,
                    int height = 20)
{
    Control& control = form.create<Control>(name);
    control.SetParent(&band);
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
    return control;
}

inline TBxLabel& addLabel(TForm& form, tBxBand& band, const std::string& name, const std::string& caption,
                          int left = 0, int top = 0)
{
    TBxLabel& label = addControl<TBxLabel>(form, band, name, left, top);
    label.Caption = caption;
    return label;
}

inline TBxField& addField(TForm& form, tBxBand& band, const std::string& name, int left = 0, int top = 0)
{
    return addControl<TBxField>(form, band, name, left, top);
}

} // namespace zelmora::test
