#pragma once

#include <QDialog>

class QRadioButton;

// The language: English, French or Spanish; OK and Cancel.

namespace vantorel {

class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kControls[3] = {1052, 1053, 1054};
    // `selected` -1 shows no choice.
    explicit LanguageDialog(int selected, QWidget* parent = nullptr);
    // 0..2, or -1 when none is chosen.
    int selection() const;
    QRadioButton* radio(int language) const { return radios_[language]; }

private:
    QRadioButton* radios_[3] = {};
};

}  // namespace vantorel
