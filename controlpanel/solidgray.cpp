// Tab 1 (solid colours, gray level, automatic sweep) and tab 3 (gray bars).
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

#include <QDebug>

#include <cmath>

namespace {

// The swatches' object names do not match what they show; the colour follows
// the auto id, that is the order in which the form adds the swatches.
QColor swatchColor(int id)
{
    switch (id) {
    case -2: return QColor(Qt::black);
    case -3: return QColor(Qt::white);
    case -4: return QColor(Qt::red);
    case -5: return QColor(Qt::green);
    case -6: return QColor(Qt::blue);
    case -7: return QColor(Qt::cyan);
    case -8: return QColor(Qt::magenta);
    case -9: return QColor(Qt::yellow);
    default: return QColor();
    }
}

} // namespace

void MainWindow::wireSolidGray()
{
    connect(ui->buttonGroup_3, SIGNAL(idClicked(int)), this, SLOT(setBGcolor(int)));
    connect(ui->buttonGroup_4, SIGNAL(idClicked(int)), this, SLOT(setGrayScale()));
    connect(ui->checkBox_reverse, SIGNAL(stateChanged(int)), this, SLOT(setGrayScale()));
    connect(ui->checkBox_rotate, SIGNAL(stateChanged(int)), this, SLOT(setGrayScale()));
    // The window takes the new gray value before the slider follows.
    connect(ui->spinBox_grayvalue, qOverload<int>(&QSpinBox::valueChanged), patternWindow, &dialog::getGrayInfo);
    connect(ui->spinBox_grayvalue, SIGNAL(valueChanged(int)), ui->horizontalSlider_grayvalue, SLOT(setValue(int)));
    connect(ui->horizontalSlider_grayvalue, SIGNAL(valueChanged(int)), ui->spinBox_grayvalue, SLOT(setValue(int)));
    // One way only: setGraySpeed moves the slider itself.
    connect(ui->horizontalSlider_grayspeed, SIGNAL(valueChanged(int)), ui->spinBox_grayspeed, SLOT(setValue(int)));
    connect(ui->pushButton_graystart, SIGNAL(clicked(bool)), this, SLOT(graystart()));
    connect(ui->spinBox_grayspeed, SIGNAL(valueChanged(int)), this, SLOT(setGraySpeed(int)));
    connect(ui->spinBox_graywid_custom, SIGNAL(valueChanged(int)), this, SLOT(setGaryBar()));
    connect(ui->spinBox_graydistance, SIGNAL(valueChanged(int)), this, SLOT(setGaryBar()));
    connect(ui->spinBox_startgray, SIGNAL(valueChanged(int)), this, SLOT(setGaryBar()));
    connect(ui->pushButton_col_graydient_gray, SIGNAL(toggled(bool)), this, SLOT(setGrayType()));
    connect(ui->buttonGroup_7, SIGNAL(idClicked(int)), this, SLOT(setGrayType()));
}

void MainWindow::initSolidGrayState()
{
    ui->pushButton_up->hide();
    ui->pushButton_down->hide();
    ui->pushButton_left->hide();
    ui->pushButton_right->hide();
}

void MainWindow::setBGcolor(int id)
{
    qDebug() << id;
    const QColor color = swatchColor(id);
    if (color.isValid())
        patternWindow->setSolidColor(color);
}

void MainWindow::graystart()
{
    if (ui->pushButton_graystart->isChecked()) {
        patternWindow->getGraySpeed(ui->spinBox_grayspeed->value());
        ui->pushButton_graystart->setText(tr("STOP"));
    } else {
        patternWindow->getGraySpeed(0);
        ui->pushButton_graystart->setText(tr("START"));
    }
}

void MainWindow::setGraySpeed(int v)
{
    ui->horizontalSlider_grayspeed->setValue(v);
    patternWindow->getGraySpeed(v);
    ui->pushButton_graystart->setChecked(v > 0);
    graystart();
}

void MainWindow::setGrayScale()
{
    const int id = ui->buttonGroup_4->checkedId();
    const int reverse = ui->checkBox_reverse->isChecked() ? 1 : 0;
    const int rotate = ui->checkBox_rotate->isChecked() ? 1 : 0;
    patternWindow->setMode(GrayBars);

    int rampLength = 0;
    if (id >= -5)
        rampLength = static_cast<int>(std::pow(2.0, 3 - id)); // 32..256; 16 with nothing checked
    else if (id == -6)
        rampLength = 0;
    else if (id == -7)
        rampLength = -1;
    else
        return; // the colour+gradient chart belongs to setGrayType()

    patternWindow->setGrayRamp(rampLength, reverse, rotate, pickedDarkColor, pickedLightColor);
}

void MainWindow::setGaryBar()
{
    patternWindow->getGaryBarInfo(ui->spinBox_graywid_custom->value(), ui->spinBox_startgray->value(),
                                  ui->spinBox_graydistance->value());
}

void MainWindow::setGrayType()
{
    const bool on = ui->pushButton_col_graydient_gray->isChecked();
    ui->pushButton_up->setVisible(on);
    ui->pushButton_down->setVisible(on);
    ui->pushButton_left->setVisible(on);
    ui->pushButton_right->setVisible(on);

    int direction = -2 - ui->buttonGroup_7->checkedId();
    if (ui->buttonGroup_7->checkedId() == -1) {
        ui->pushButton_up->setChecked(true);
        direction = 0;
    }
    patternWindow->setColorRampChart(on ? 1 : 0, direction);
}

// A cancelled dialog returns an invalid colour; the operator's earlier choice
// stays, and nothing is sent.
void MainWindow::on_pushButton_dark_clicked()
{
    pickWellColor(pickedDarkColor, ui->pushButton_dark, &MainWindow::setGrayScale);
}

void MainWindow::on_pushButton_shallow_clicked()
{
    pickWellColor(pickedLightColor, ui->pushButton_shallow, &MainWindow::setGrayScale);
}
