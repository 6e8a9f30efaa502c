// Placement of the test-pattern window, dragging and widening the panel.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

#include <QMouseEvent>

void MainWindow::wirePlacement() {}
void MainWindow::on_horizontalSlider_x_valueChanged(int) {}
void MainWindow::on_spinBox_x_valueChanged(int) {}
void MainWindow::on_horizontalSlider_y_valueChanged(int) {}
void MainWindow::on_spinBox_y_valueChanged(int) {}
void MainWindow::on_horizontalSlider_width_valueChanged(int) {}
void MainWindow::on_spinBox_width_valueChanged(int) {}
void MainWindow::on_horizontalSlider_height_valueChanged(int) {}
void MainWindow::on_spinBox_height_valueChanged(int) {}
void MainWindow::setxy(int, int) {}
void MainWindow::setwh(int, int) {}
void MainWindow::on_pushButton_extend_clicked() {}
void MainWindow::mousePressEvent(QMouseEvent *) {}
void MainWindow::mouseMoveEvent(QMouseEvent *) {}
