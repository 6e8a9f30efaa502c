#include "technicianpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

enum Family { Checker, ZonePlate, PixelWalk, Ticker, Ident };

// The look of the panel's menu entries.
const char menuStyle[] = "QPushButton { border: none; border-radius: 10px; min-height: 21px; min-width: 91px; }"
                         "QPushButton:!checked { background-color: rgba(172, 172, 172, 50); color: rgb(68, 69, 73); }"
                         "QPushButton:checked { background-color: transparent; color: rgb(68, 69, 73); }"
                         "QPushButton:!checked:hover { background-color: rgba(158, 158, 158, 150); color: white; }"
                         "QPushButton:!checked:pressed { background-color: rgb(157, 157, 157); }";

QSpinBox *spinBox(int low, int high, int value, const QRect &place, const char *name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QLabel *label(const QString &text, const QRect &place, const char *name, QWidget *parent)
{
    auto *shown = new QLabel(text, parent);
    shown->setObjectName(QLatin1String(name));
    shown->setGeometry(place);
    return shown;
}

QCheckBox *checkBox(const QString &text, const QRect &place, const char *name, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
}

// Where the rows of the key controls stand, as the form places its controls.
constexpr int labelX = 140;
constexpr int controlX = 300;
int rowY(int row)
{
    return 65 + 30 * row;
}

} // namespace

// Placed as the form places its pages: the menu where the main page has
// its menu, the controls beside it.
TechnicianPage::TechnicianPage(QWidget *parent)
    : QWidget(parent)
{
    addFamilyButtons();
    auto *back = new QPushButton(tr("‹ Back"), this);
    back->setObjectName(QStringLiteral("pushButton_technicianBack"));
    back->setGeometry(16, rowY(0) + 200, 91, 21);
    back->setStyleSheet(QLatin1String(menuStyle));
    connect(back, &QPushButton::clicked, this, &TechnicianPage::backToMenu);
    addKeyControls();
}

void TechnicianPage::addFamilyButtons()
{
    families = new QButtonGroup(this);
    const QString names[] = { tr("Checkerboard"), tr("Zone plate"), tr("Pixel walk"), tr("Frame ticker"),
                              tr("Identify") };
    const char *objectNames[] = { "pushButton_checker", "pushButton_zoneplate", "pushButton_pixelwalk",
                                  "pushButton_ticker", "pushButton_ident" };
    for (int family = Checker; family <= Ident; ++family) {
        auto *button = new QPushButton(names[family], this);
        button->setObjectName(QLatin1String(objectNames[family]));
        button->setGeometry(16, rowY(0) + 40 * family, 91, 21);
        button->setCheckable(true);
        button->setStyleSheet(QLatin1String(menuStyle));
        families->addButton(button, family);
    }
    connect(families, &QButtonGroup::idClicked, this, &TechnicianPage::choose);
}

void TechnicianPage::addKeyControls()
{
    const QSize labelSize(150, 21);
    const QSize spinSize(80, 24);
    label(tr("Cell / cabinet"), QRect(QPoint(labelX, rowY(0)), labelSize), "label_technicianSize", this);
    sizeWidth = spinBox(1, 3840, 384, QRect(QPoint(controlX, rowY(0) - 2), spinSize), "spinBox_technicianWidth", this);
    label(QStringLiteral("×"), QRect(controlX + 84, rowY(0), 14, 21), "label_technicianBy", this);
    sizeHeight = spinBox(1, 2160, 216, QRect(QPoint(controlX + 100, rowY(0) - 2), spinSize), "spinBox_technicianHeight", this);
    wholeCanvas = checkBox(tr("Ticker over the whole canvas"), QRect(controlX, rowY(1), 280, 21), "checkBox_tickerCanvas", this);
    label(tr("Zone plate k"), QRect(QPoint(labelX, rowY(2)), labelSize), "label_zonePlateK", this);
    zonePlateK = spinBox(1, 100, 100, QRect(QPoint(controlX, rowY(2) - 2), spinSize), "spinBox_zonePlateK", this);
    label(tr("Steps per second"), QRect(QPoint(labelX, rowY(3)), labelSize), "label_walkRate", this);
    walkRate = spinBox(1, 1000, 10, QRect(QPoint(controlX, rowY(3) - 2), spinSize), "spinBox_walkRate", this);
    subpixel = checkBox(tr("Red, green and blue apart"), QRect(controlX, rowY(4), 280, 21), "checkBox_subpixel", this);
    label(tr("Frames per second"), QRect(QPoint(labelX, rowY(5)), labelSize), "label_tickerFps", this);
    tickerFps = spinBox(0, 240, 0, QRect(QPoint(controlX, rowY(5) - 2), spinSize), "spinBox_tickerFps", this);
    tickerFps->setSpecialValueText(tr("screen"));
    systemClock = checkBox(tr("Computer's clock (UTC)"), QRect(controlX, rowY(6), 280, 21), "checkBox_systemClock", this);

    for (QSpinBox *box : { sizeWidth, sizeHeight, zonePlateK, walkRate, tickerFps })
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &TechnicianPage::choose);
    for (QCheckBox *box : { wholeCanvas, subpixel, systemClock })
        connect(box, &QCheckBox::toggled, this, &TechnicianPage::choose);
}

QString TechnicianPage::patternName() const
{
    const QString size = QStringLiteral("%1x%2").arg(sizeWidth->value()).arg(sizeHeight->value());
    const QString source = systemClock->isChecked() ? QStringLiteral("system") : QStringLiteral("reset");
    switch (families->checkedId()) {
    case Checker:
        return QStringLiteral("checker:cell=") + size;
    case ZonePlate:
        return QStringLiteral("zoneplate:k=%1").arg(zonePlateK->value());
    case PixelWalk:
        return QStringLiteral("pixelwalk:cabinet=%1,rate=%2,source=%3%4").arg(size).arg(walkRate->value()).arg(source)
            .arg(subpixel->isChecked() ? QStringLiteral(",subpixel") : QString());
    case Ticker: {
        // The ticker's blocks need a cabinet at least 60 wide and 8 high.
        const QString cabinet = wholeCanvas->isChecked()
            ? QStringLiteral("none")
            : QStringLiteral("%1x%2").arg(qMax(60, sizeWidth->value())).arg(qMax(8, sizeHeight->value()));
        const QString fps = tickerFps->value() > 0 ? QStringLiteral(",fps=%1").arg(tickerFps->value()) : QString();
        return QStringLiteral("ticker:cabinet=%1%2,source=%3").arg(cabinet, fps, source);
    }
    case Ident:
        return QStringLiteral("ident");
    default:
        return QString();
    }
}

void TechnicianPage::choose()
{
    const QString name = patternName();
    if (!name.isEmpty())
        emit patternChosen(name);
}
