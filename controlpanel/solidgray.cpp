// Tab 1 (solid colours, gray level, automatic sweep) and tab 3 (gray bars).
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

void MainWindow::wireSolidGray() {}
void MainWindow::initSolidGrayState() {}
void MainWindow::setBGcolor(int) {}
void MainWindow::graystart() {}
void MainWindow::setGraySpeed(int) {}
void MainWindow::setGrayScale() {}
void MainWindow::setGaryBar() {}
void MainWindow::setGrayType() {}
void MainWindow::on_pushButton_dark_clicked() {}
void MainWindow::on_pushButton_shallow_clicked() {}
