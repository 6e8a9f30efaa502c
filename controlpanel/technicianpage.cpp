#include "technicianpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

enum Family { Checker, ZonePlate, PixelWalk, Ticker, Ident };

// The look of the panel's menu entries.
const char menuStyle[] = "QPushButton { border: none; border-radius: 10px; min-height: 21px; min-width: 91px; }"
                         "QPushButton:!checked { background-color: rgba(172, 172, 172, 50); color: rgb(68, 69, 73); }"
                         "QPushButton:checked { background-color: transparent; color: rgb(68, 69, 73); }"
                         "QPushButton:!checked:hover { background-color: rgba(158, 158, 158, 150); color: white; }"
                         "QPushButton:!checked:pressed { background-color: rgb(157, 157, 157); }";

QSpinBox *spinBox(int low, int high, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

} // namespace

TechnicianPage::TechnicianPage(QWidget *parent)
    : QWidget(parent)
{
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(10, 36, 180, 24);
    auto *menu = new QVBoxLayout;
    auto *back = new QPushButton(tr("‹ Back"), this);
    back->setFlat(true);
    connect(back, &QPushButton::clicked, this, &TechnicianPage::backToMenu);
    menu->addWidget(back);
    addFamilyButtons(menu);
    menu->addStretch();
    page->addLayout(menu);
    page->addSpacing(20);
    page->addWidget(makeKeyControls(), 1);
}

void TechnicianPage::addFamilyButtons(QVBoxLayout *menu)
{
    families = new QButtonGroup(this);
    const QString names[] = { tr("Checkerboard"), tr("Zone plate"), tr("Pixel walk"), tr("Frame ticker"),
                              tr("Identify") };
    for (int family = Checker; family <= Ident; ++family) {
        auto *button = new QPushButton(names[family], this);
        button->setCheckable(true);
        button->setStyleSheet(QLatin1String(menuStyle));
        families->addButton(button, family);
        menu->addWidget(button);
    }
    connect(families, &QButtonGroup::idClicked, this, &TechnicianPage::choose);
}

QWidget *TechnicianPage::makeKeyControls()
{
    auto *controls = new QWidget(this);
    auto *form = new QFormLayout(controls);
    sizeWidth = spinBox(1, 3840, 384, controls);
    sizeHeight = spinBox(1, 2160, 216, controls);
    auto *size = new QHBoxLayout;
    size->addWidget(sizeWidth);
    size->addWidget(new QLabel(QStringLiteral("×"), controls));
    size->addWidget(sizeHeight);
    form->addRow(tr("Cell / cabinet"), size);
    wholeCanvas = new QCheckBox(tr("Ticker over the whole canvas"), controls);
    form->addRow(QString(), wholeCanvas);
    zonePlateK = spinBox(1, 100, 100, controls);
    form->addRow(tr("Zone plate k"), zonePlateK);
    walkRate = spinBox(1, 1000, 10, controls);
    form->addRow(tr("Steps per second"), walkRate);
    subpixel = new QCheckBox(tr("Red, green and blue apart"), controls);
    form->addRow(QString(), subpixel);
    tickerFps = spinBox(0, 240, 0, controls);
    tickerFps->setSpecialValueText(tr("screen"));
    form->addRow(tr("Frames per second"), tickerFps);
    systemClock = new QCheckBox(tr("Computer's clock (UTC)"), controls);
    form->addRow(QString(), systemClock);

    for (QSpinBox *box : { sizeWidth, sizeHeight, zonePlateK, walkRate, tickerFps })
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &TechnicianPage::choose);
    for (QCheckBox *box : { wholeCanvas, subpixel, systemClock })
        connect(box, &QCheckBox::toggled, this, &TechnicianPage::choose);
    return controls;
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
