// Tab 4: scan lines, character test and moving square.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

void MainWindow::sendScanLinesInfo()
{
    patternWindow->getScanLinesInfo(ui->checkBox_hor->isChecked(), ui->checkBox_ver->isChecked(),
                                    ui->checkBox_lr->isChecked(), ui->checkBox_rl->isChecked(),
                                    ui->pushButton_fonttest->isChecked(), ui->pushButton_square->isChecked(),
                                    pickedBackgroundColor, pickedLineColor,
                                    ui->spinBox_linwid->value(), ui->spinBox_lined->value());
}

void MainWindow::setScanLine()
{
    // An exclusive group refuses to uncheck its checked button; the moment of
    // non-exclusivity lets any change of the lines switch both tests off.
    ui->buttonGroup_11->setExclusive(false);
    ui->pushButton_fonttest->setChecked(false);
    ui->pushButton_square->setChecked(false);
    ui->buttonGroup_11->setExclusive(true);
    sendScanLinesInfo();
    setScanSpeed();
}

void MainWindow::setoverlay()
{
    ui->buttonGroup_5->setExclusive(!ui->checkBox_overlay->isChecked());
    setScanLine();
}

void MainWindow::setScanSpeed()
{
    const int speed = ui->spinBox_linespeed->value();
    const double interval = double(speed - 100) * double(speed - 100);
    // Four digits of milliseconds and their unit do not fit the box: a
    // second or more is shown in seconds.
    ui->label_speed->setText(interval < 1000 ? QString::number(interval, 'g', 6) + tr("ms/pixel")
                                             : QString::number(interval / 1000, 'f', 1) + tr("s/pixel"));
    if (speed > 0 && ui->pushButton_scanstart->isChecked()) {
        patternWindow->setScanTiming(int(interval), stepSetting);
        ui->horizontalSlider_linespeed->setValue(speed);
        ui->pushButton_scanstart->setText(tr("STOP"));
    } else {
        patternWindow->setScanTiming(0, stepSetting);
        ui->horizontalSlider_linespeed->setValue(speed);
        ui->pushButton_scanstart->setText(tr("START"));
    }
}

// The form has no spinBox_step, so this slot stays unconnected and the step
// stays 1; it is kept for a form that offers the step.
void MainWindow::on_spinBox_step_valueChanged(int value)
{
    stepSetting = value;
    setScanSpeed();
}

void MainWindow::on_pushButton_scandirection_clicked()
{
    patternWindow->setScanDirection(ui->pushButton_scandirection->isChecked() ? 1 : -1);
}

void MainWindow::on_pushButton_fonttest_clicked()
{
    sendScanLinesInfo();
}

void MainWindow::on_pushButton_square_toggled(bool state)
{
    sendScanLinesInfo();
    ui->spinBox_rectsize->setVisible(state);
    ui->label_48->setVisible(state);
}

void MainWindow::on_spinBox_rectsize_valueChanged(int value)
{
    patternWindow->setMovingSquare(ui->pushButton_square->isChecked(), value);
}

void MainWindow::on_pushButton_bgcol_clicked()
{
    pickWellColor(pickedBackgroundColor, ui->pushButton_bgcol, &MainWindow::setScanLine);
}

void MainWindow::on_pushButton_linecol_clicked()
{
    pickWellColor(pickedLineColor, ui->pushButton_linecol, &MainWindow::setScanLine);
}
