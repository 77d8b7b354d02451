#include "gui/app/LangForm.h"

#include "gui/appearance/Flags.h"
#include "gui/widgets/Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmora::gui {

namespace {

// One framed half: the flag, the invitation and the button, centred.
QPushButton* addHalf(QWidget* dialog, int left, const QPixmap& flag, const QString& invitation, const QString& caption)
{
    auto* frame = new QFrame(dialog);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(left, 8, 184, 168);
    auto* layout = new QVBoxLayout(frame);
    auto* picture = new QLabel(frame);
    picture->setPixmap(flag);
    picture->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(invitation, frame);
    text->setAlignment(Qt::AlignCenter);
    auto* button = new QPushButton(caption, frame);
    layout->addWidget(picture);
    layout->addWidget(text);
    layout->addWidget(button);
    return button;
}

} // namespace

LangForm::LangForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("LangForm"));
    setWindowTitle(QStringLiteral("Zelmora"));
    setFixedSize(392, 184);
    setFont(sansFont(13));
    const QSize flagSize(120, 60);
    FrenchButton = addHalf(this, 8, frenchFlag(flagSize), QStringLiteral("Choisissez votre langue"),
                           QStringLiteral("Français"));
    EnglishButton = addHalf(this, 200, englishFlag(flagSize), QStringLiteral("Choose your language"),
                            QStringLiteral("English"));
    FrenchButton->setObjectName(QStringLiteral("FrenchButton"));
    EnglishButton->setObjectName(QStringLiteral("EnglishButton"));
    connect(FrenchButton, &QPushButton::clicked, this, [this] {
        emit languageChosen(Language::French);
        accept();
    });
    connect(EnglishButton, &QPushButton::clicked, this, [this] {
        emit languageChosen(Language::English);
        accept();
    });
}

} // namespace zelmora::gui
