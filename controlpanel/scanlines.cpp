// Tab 4: scan lines, character test and moving square.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

void MainWindow::sendScanLinesInfo() {}
void MainWindow::setScanLine() {}
void MainWindow::setoverlay() {}
void MainWindow::setScanSpeed() {}
void MainWindow::on_spinBox_step_valueChanged(int) {}
void MainWindow::on_pushButton_scandirection_clicked() {}
void MainWindow::on_pushButton_fonttest_clicked() {}
void MainWindow::on_pushButton_square_toggled(bool) {}
void MainWindow::on_spinBox_rectsize_valueChanged(int) {}
void MainWindow::on_pushButton_bgcol_clicked() {}
void MainWindow::on_pushButton_linecol_clicked() {}
