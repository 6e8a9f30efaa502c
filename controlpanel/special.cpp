// Tab 5 (gray blocks and contrast charts) and tab 6 (clocks, grid and circles, custom picture).
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

void MainWindow::wireScanSpecial() {}
void MainWindow::initScanSpecialState() {}
void MainWindow::setcontrasttest() {}
void MainWindow::setSpecialTest() {}
void MainWindow::on_pushButton_filepath_clicked() {}
void MainWindow::on_checkBox_scale_stateChanged() {}
