#include "core/report/ReportControls.h"

#include "core/report/TBxPrinter.h"
#include "core/report/tBxBand.h"

namespace zelmora::report {

tBxControl::tBxControl(TForm* owner, std::string name) : TControl(owner, std::move(name))
{
    Width = 65;
    Height = 17;
}

void tBxControl::SetParent(TWinControl* parent)
{
    if (parent != nullptr && dynamic_cast<tBxBand*>(parent) == nullptr) {
        throw EReportError("This component must be placed on a tBxBand.");
    }
    assignParent(parent);
}

void tBxControl::Print(const TRect& rect)
{
    if (visible) {
        Draw(rect, PrintText());
    }
}

bool tBxControl::Next() { return false; }

std::string tBxControl::PrintText() const { return Caption; }

TBxLabel::TBxLabel(TForm* owner, std::string name) : tBxControl(owner, std::move(name))
{
    AutoSize = true;
    Transparent = true;
}

void TBxLabel::Draw(const TRect& rect, const std::string& /*text: fetched again below*/)
{
    ReportCanvas& canvas = Printer().Canvas();
    if (!Transparent) {
        canvas.brush() = TBrush{Color, TBrushStyle::bsSolid};
        canvas.FillRect(rect);
    }
    canvas.brush().Style = TBrushStyle::bsClear;
    unsigned flags = dtExpandTabs | (WordWrap ? dtWordBreak : 0u);
    switch (Alignment) {
    case TAlignment::taLeftJustify: flags |= dtLeft; break;
    case TAlignment::taRightJustify: flags |= dtRight; break;
    case TAlignment::taCenter: flags |= dtCenter; break;
    }
    TRect area = rect;
    DrawLabelText(*this, area, flags);
}

void TBxField::Clear()
{
    Values.clear();
    Index = 0;
}

const TBxField* TBxField::aliasBase() const
{
    if (!Name().ends_with('_') || Owner() == nullptr) {
        return nullptr;
    }
    return dynamic_cast<const TBxField*>(Owner()->FindComponent(BaseName(*this)));
}

std::string TBxField::PrintText() const
{
    const auto count = static_cast<std::int32_t>(Values.size());
    if (count > 0) {
        if (Index < count) {
            return Values[static_cast<std::size_t>(Index)];
        }
        return count == 1 ? Values[0] : std::string(NoValueText);
    }
    if (const TBxField* base = aliasBase()) {
        return base->PrintText();
    }
    return std::string(NoValueText);
}

std::string TBxField::PeekNextText() const
{
    const auto count = static_cast<std::int32_t>(Values.size());
    if (count > 0) {
        if (Index + 1 < count) {
            return Values[static_cast<std::size_t>(Index) + 1];
        }
        return count == 1 ? Values[0] : std::string(NoValueText);
    }
    if (const TBxField* base = aliasBase()) {
        return base->PeekNextText();
    }
    return Caption;
}

bool TBxField::Next()
{
    const auto count = static_cast<std::int32_t>(Values.size());
    if (count < 2) {
        return false;
    }
    if (Index < count) {
        ++Index;
    }
    return Index < count;
}

namespace {

std::string placeholder(tBxSysDataType type, const TComponent& field)
{
    switch (type) {
    case tBxSysDataType::bxr_Time: return "#hh:mm:ss#";
    case tBxSysDataType::bxr_Date: return "#tt.mm.jjjj#";
    case tBxSysDataType::bxr_DateTime: return "#tt.mm.jjjj hh:mm:ss#";
    case tBxSysDataType::bxr_PageNum: return "#Page#";
    case tBxSysDataType::bxr_Counter: return "#Counter#";
    case tBxSysDataType::bxr_Count: return "#Count#";
    case tBxSysDataType::bxr_FormName: return "#" + (field.Owner() ? field.Owner()->Name() : std::string()) + "#";
    }
    return {};
}

} // namespace

TBxSysField::TBxSysField(TForm* owner, std::string name) : TBxLabel(owner, std::move(name))
{
    Color = clWhite;
    SetDataType(tBxSysDataType::bxr_Time);
}

void TBxSysField::SetDataType(tBxSysDataType value)
{
    m_dataType = value;
    Caption = placeholder(value, *this);
}

bool TBxSysField::Next()
{
    ++Counter;
    return false;
}

std::string TBxSysField::PrintText() const
{
    const BxPlatform& platform = Printer().platform();
    switch (m_dataType) {
    case tBxSysDataType::bxr_Time: return platform.longTime(platform.now());
    case tBxSysDataType::bxr_Date: return platform.shortDate(platform.now().date);
    case tBxSysDataType::bxr_DateTime: {
        const LocalDateTime now = platform.now();
        std::string text = platform.shortDate(now.date);
        if (now.hour != 0 || now.minute != 0 || now.second != 0) {
            text += ' ';
            text += platform.longTime(now);
        }
        return text;
    }
    case tBxSysDataType::bxr_PageNum: return std::to_string(Printer().PageNumber());
    case tBxSysDataType::bxr_Counter: return std::to_string(static_cast<std::int64_t>(Counter) + 1);
    case tBxSysDataType::bxr_Count: return "E";
    case tBxSysDataType::bxr_FormName: return Owner() ? Owner()->Name() : std::string();
    }
    return {};
}

std::string_view BaseName(const TComponent& control)
{
    std::string_view name = control.Name();
    while (name.ends_with('_')) {
        name.remove_suffix(1);
    }
    return name;
}

int DrawLabelText(const tBxControl& control, TRect& rect, unsigned flags)
{
    std::string text = control.PrintText();
    if ((flags & dtCalcRect) != 0 && text.empty()) {
        text.push_back(' '); // an empty label still measures one line high
    }
    ReportCanvas& canvas = control.Printer().Canvas();
    canvas.font() = control.Font();
    return canvas.DrawText(text, rect, flags | dtNoPrefix);
}

void AdjustLabelRect(const TBxLabel& label, TRect& rect)
{
    if (!label.AutoSize) {
        return;
    }
    TRect measured{0, 0, rect.Right - rect.Left, rect.Bottom - rect.Top};
    DrawLabelText(label, measured, dtCalcRect | dtExpandTabs | (label.WordWrap ? dtWordBreak : 0u));
    const int width = measured.Right - measured.Left;
    const int height = measured.Bottom - measured.Top;
    if (label.Alignment == TAlignment::taRightJustify) {
        rect.Left = rect.Right - width;
    }
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + height;
}

} // namespace zelmora::report
