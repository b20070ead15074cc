#pragma once
// View → Settings: every choice a chart is computed and its dasha shown by, and the paper of
// the PDF horoscope, together. OK and
// Apply store them in the settings; the classic engine keeps its own ayanamsa, so with it
// chosen the ayanamsa cannot be changed here.

#include <optional>

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSettings;

namespace grahavani {

class SettingsDialog final : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(QSettings& settings, QWidget* parent);

signals:
    // The choices were stored: the chart on screen should follow them.
    void applied();

private:
    // The own value as typed, if it is decimal degrees in the allowed range.
    std::optional<double> OwnValue() const;
    // The own value's field, its reading in degrees, minutes and seconds, and OK and Apply,
    // as the ayanamsa chosen and the value typed allow.
    void ShowOwnValue();
    void Apply();

    QSettings& settings_;
    bool classicEngine_ = false;
    QComboBox* cboAyanamsa;
    QLineEdit* txtAyanamsaValue;
    QLabel* lblAyanamsaDms;
    QLabel* lblClassicAyanamsa;
    QComboBox* cboSunriseRule;
    QComboBox* cboLunarNode;
    QComboBox* cboDashaSystem;
    QComboBox* cboDashaDepth;
    QComboBox* cboDashaYear;
    QComboBox* cboPaper;
    QDialogButtonBox* buttons_;
};

}  // namespace grahavani
