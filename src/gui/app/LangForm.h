#pragma once
// The language chooser of the first start: two halves, French and English, each with
// its flag, a line in its language and a button.

#include "core/base/LangText.h"

#include <QDialog>

#include <optional>

class QPushButton;

namespace zelmora::gui {

class LangForm : public QDialog {
    Q_OBJECT

public:
    explicit LangForm(QWidget* parent = nullptr);

    QPushButton* FrenchButton;
    QPushButton* EnglishButton;

signals:
    void languageChosen(Language language);
};

} // namespace zelmora::gui
