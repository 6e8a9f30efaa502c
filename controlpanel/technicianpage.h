#ifndef TECHNICIANPAGE_H
#define TECHNICIANPAGE_H

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QSpinBox;

// The panel's page of the technician's patterns: checkerboard, zone plate,
// pixel walk, frame ticker and identification. It makes the pattern's name
// from its controls; whoever shows it hears of the name.
class TechnicianPage : public QWidget
{
    Q_OBJECT

public:
    explicit TechnicianPage(QWidget *parent = nullptr);

    // The name of the chosen family with the controls' keys; empty while
    // none is chosen.
    QString patternName() const;

signals:
    void patternChosen(const QString &name);
    void backToMenu();

private:
    void addFamilyButtons();
    void addKeyControls();
    void choose();

    QButtonGroup *families = nullptr;
    QSpinBox *sizeWidth = nullptr;
    QSpinBox *sizeHeight = nullptr;
    QCheckBox *wholeCanvas = nullptr;
    QSpinBox *zonePlateK = nullptr;
    QSpinBox *walkRate = nullptr;
    QCheckBox *subpixel = nullptr;
    QSpinBox *tickerFps = nullptr;
    QCheckBox *systemClock = nullptr;
};

#endif // TECHNICIANPAGE_H
