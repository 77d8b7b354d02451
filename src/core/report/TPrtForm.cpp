#include "core/report/TPrtForm.h"

#include <exception>
#include <string>

namespace zelmora::report {

namespace {

// The layout was designed at 96 pixels per inch: positions and sizes in those pixels.
struct TextControl {
    bool isField;
    int number;
    int left, top, width, height;
    int points; // 0: the form's own font
    bool bold;
    const char* caption;
    TAlignment alignment = TAlignment::taLeftJustify;
};

constexpr TextControl HeaderControls[] = {
    {false, 1, 333, 32, 127, 24, 14, true, "Friend's Card", TAlignment::taCenter},
};

// Child order of the card band, which is also its printing order.
constexpr TextControl CardControls[] = {
    {false, 3, 40, 24, 85, 20, 12, false, "Last Name :"},
    {true, 1, 232, 24, 66, 20, 12, true, "BxField1"},
    {false, 4, 40, 48, 85, 20, 12, false, "First Name :"},
    {true, 2, 232, 48, 66, 20, 12, true, "BxField2"},
    {false, 5, 40, 72, 67, 20, 12, false, "Address :"},
    {false, 6, 40, 144, 114, 20, 12, false, "Phone Number :"},
    {false, 7, 40, 168, 164, 20, 12, false, "Mobile Phone Number :"},
    {false, 8, 40, 192, 66, 20, 12, false, "Birthday :"},
    {false, 9, 40, 216, 88, 20, 12, false, "Saint's Day :"},
    {false, 10, 40, 240, 87, 20, 12, false, "Other Date :"},
    {false, 11, 40, 264, 87, 20, 12, false, "Other Date :"},
    {false, 12, 40, 288, 96, 20, 12, false, "Internet Site :"},
    {false, 13, 40, 312, 42, 20, 12, false, "e-mail"},
    {false, 14, 40, 336, 54, 20, 12, false, "Notes : "},
    {true, 3, 232, 72, 66, 20, 12, true, "BxField3"},
    {true, 4, 232, 96, 66, 20, 12, true, "BxField4"},
    {true, 5, 232, 120, 66, 20, 12, true, "BxField5"},
    {true, 6, 232, 144, 66, 20, 12, true, "BxField6"},
    {true, 7, 232, 168, 66, 20, 12, true, "BxField7"},
    {true, 8, 232, 192, 66, 20, 12, true, "BxField8"},
    {true, 9, 232, 216, 66, 20, 12, true, "BxField9"},
    {true, 10, 232, 240, 76, 20, 12, true, "BxField10"},
    {true, 11, 232, 264, 76, 20, 12, true, "BxField11"},
    {true, 12, 232, 288, 76, 20, 12, true, "BxField12"},
    {true, 13, 232, 312, 76, 20, 12, true, "BxField13"},
    {true, 14, 232, 336, 76, 20, 12, true, "BxField14"},
};

// Which language pair each label shows; 0 keeps the caption.
constexpr std::array<std::uint16_t, TPrtForm::LabelCount + 1> LabelPairs = {
    0, lang::FriendsCard, 0, lang::LastName, lang::FirstName, lang::Address, lang::PhoneNumber, lang::MobilePhone,
    lang::Birthday, lang::SaintsDay, lang::OtherDate, lang::OtherDate, lang::InternetSite, 0, lang::Notes};

constexpr const char* ProductLine = "Zelmora v3.0";

void place(TControl& control, int left, int top, int width, int height)
{
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
}

} // namespace

TPrtForm::TPrtForm(Language language, TBxPrinter& printer)
    : TForm("PrtForm", printer),
      BxReport1(create<TBxReport>("BxReport1")),
      tBxBand1(addBand("tBxBand1", tBxBandType::bxr_PageHeader, 0, 81)),
      tBxBand2(addBand("tBxBand2", tBxBandType::bxr_Detail, 81, 424)),
      tBxBand3(addBand("tBxBand3", tBxBandType::bxr_PageFooter, 505, 80)),
      BxShape1(create<TBxShape>("BxShape1")),
      BxShape2(create<TBxShape>("BxShape2")),
      BxSysField1(create<TBxSysField>("BxSysField1"))
{
    BxReport1.ReportTitle = "Zelmora";

    const auto addText = [this](tBxBand& band, const TextControl& item) {
        const std::string number = std::to_string(item.number);
        TBxLabel* control = nullptr;
        if (item.isField) {
            control = m_fields.at(static_cast<std::size_t>(item.number)) = &create<TBxField>("BxField" + number);
        } else {
            control = m_labels.at(static_cast<std::size_t>(item.number)) = &create<TBxLabel>("BxLabel" + number);
        }
        place(*control, item.left, item.top, item.width, item.height);
        if (item.points != 0) {
            TFont font;
            font.Size = item.points;
            font.Bold = item.bold;
            control->SetFont(font);
        }
        control->Caption = item.caption;
        control->Alignment = item.alignment;
        control->SetParent(&band);
    };

    for (const TextControl& item : HeaderControls) {
        addText(tBxBand1, item);
    }
    BxShape2.SetParent(&tBxBand1);
    place(BxShape2, 40, 72, 716, 1);

    for (const TextControl& item : CardControls) {
        addText(tBxBand2, item);
    }
    BxShape1.SetParent(&tBxBand2);
    place(BxShape1, 40, 405, 716, 1);

    BxSysField1.SetParent(&tBxBand3);
    place(BxSysField1, 608, 37, 97, 13);
    BxSysField1.SetDataType(tBxSysDataType::bxr_DateTime);
    addText(tBxBand3, {false, 2, 40, 37, 90, 13, 0, false, ProductLine});

    ApplyLanguage(language);
}

tBxBand& TPrtForm::addBand(const char* name, tBxBandType type, int top, int height)
{
    tBxBand& band = create<tBxBand>(name);
    band.SetParent(this);
    band.BandType = type;
    place(band, 0, top, 794, height);
    return band;
}

void TPrtForm::ApplyLanguage(Language language)
{
    for (int number = 1; number <= LabelCount; ++number) {
        if (const std::uint16_t pair = LabelPairs.at(static_cast<std::size_t>(number)); pair != 0) {
            BxLabel(number).Caption = LangText(pair, language);
        }
    }
    BxLabel(2).Caption = ProductLine;
}

void TPrtForm::FillCardFields(const FriendTable& table, std::uint16_t slot)
{
    const TFriend& f = table[slot];
    const auto join = [](std::initializer_list<std::string_view> parts) {
        std::string text;
        for (const std::string_view part : parts) {
            text += part;
        }
        return text;
    };
    const std::array<std::string, FieldCount> texts = {
        f.Nom.str(),
        f.Prenom.str(),
        f.Adresse1.str(),
        f.Adresse2.str(),
        join({f.Ville.view(), " - ", f.Etat.view(), " ", f.Code.view(), " - ", f.Pays.view()}),
        f.Telephone.str(),
        f.Portable.str(),
        f.Anniversaire.str(),
        f.Fete.str(),
        join({f.Date1.view(), " - ", f.Raison1.view()}),
        join({f.Date2.view(), " - ", f.Raison2.view()}),
        f.Www.str(),
        f.Mail.str(),
        f.Notes.str(),
    };
    for (int number = 1; number <= FieldCount; ++number) {
        BxReport1.SetFieldText("BxField" + std::to_string(number), texts.at(static_cast<std::size_t>(number) - 1));
    }
}

void TPrtForm::ClearCardFields()
{
    for (int number = 1; number <= FieldCount; ++number) {
        BxField(number).Clear();
    }
}

Status TPrtForm::printCards(const FriendTable& table, std::span<const std::uint16_t> friendSlots)
{
    ClearCardFields();
    for (const std::uint16_t slot : friendSlots) {
        FillCardFields(table, slot);
    }
    try {
        BxReport1.Print();
    } catch (const std::exception& error) {
        return Status::failure(error.what());
    }
    return Status::success();
}

} // namespace zelmora::report
