#pragma once
// Report controls that print text: the base of every report control, fixed labels,
// data fields whose values the program appends, and system fields (time, date, page).

#include "core/report/ReportForm.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora::report {

// What a data field prints for a row it has no value for.
inline constexpr std::string_view NoValueText = "~";

class tBxControl : public TControl {
public:
    tBxControl(TForm* owner, std::string name);

    // A report control sits on a band or on nothing.
    void SetParent(TWinControl* parent) override;

    // Outputs the control into a device rectangle when it is visible.
    virtual void Print(const TRect& rect);
    virtual void Draw(const TRect& rect, const std::string& text) = 0;
    // Steps to the next data row; true when the band must print once more.
    virtual bool Next();
    virtual std::string PrintText() const;
    // The printer of the control's form.
    TBxPrinter& Printer() const { return Owner()->Printer(); }

    std::string Caption;
    TColor Color = clWhite;
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool AutoSize = true;
    bool Transparent = false;
    bool WordWrap = false;
    bool visible = true;
};

class TBxLabel : public tBxControl {
public:
    TBxLabel(TForm* owner, std::string name);
    void Draw(const TRect& rect, const std::string& text) override;
};

// Holds one value per data row. A field named like another followed by underscores,
// with no values of its own, prints what that other field prints (an alias).
class TBxField : public TBxLabel {
public:
    using TBxLabel::TBxLabel;

    bool Next() override;
    std::string PrintText() const override;
    // The text of the next row, for a detail link looking ahead.
    std::string PeekNextText() const;
    void Reset() { Index = 0; }
    void Clear();

    std::vector<std::string> Values;
    std::int32_t Index = 0;

private:
    const TBxField* aliasBase() const;
};

enum class tBxSysDataType { bxr_Time, bxr_Date, bxr_DateTime, bxr_PageNum, bxr_Counter, bxr_Count, bxr_FormName };

class TBxSysField : public TBxLabel {
public:
    TBxSysField(TForm* owner, std::string name);

    bool Next() override;
    std::string PrintText() const override;

    tBxSysDataType DataType() const { return m_dataType; }
    // Stores the kind and shows its placeholder as the caption.
    void SetDataType(tBxSysDataType value);

    std::int32_t Counter = 0;

private:
    tBxSysDataType m_dataType = tBxSysDataType::bxr_Time;
};

// The control's name without its trailing underscores.
std::string_view BaseName(const TComponent& control);

// Draws (or with dtCalcRect measures) the control's text on the canvas of its printer.
int DrawLabelText(const tBxControl& control, TRect& rect, unsigned flags);
// Fits the rectangle of an auto-size label to its text.
void AdjustLabelRect(const TBxLabel& label, TRect& rect);

} // namespace zelmora::report
